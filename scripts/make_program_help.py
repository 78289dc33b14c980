#!/usr/bin/env python3
"""Writes the pages of data/Help/Vellomyhelp: the program's own help. The
page texts are here, written by hand; this script only adds the common head,
the navigation bar and the foot to each page."""
import os

OUT = os.path.join(os.path.dirname(__file__), "..", "data", "Help", "Vellomyhelp")

PAGES = [
    ("index.htm", "Jak pracovat s Vellomy"),
    ("editor.htm", "Editor a vkládací příkazy"),
    ("inspektor.htm", "Inspektor tagů"),
    ("codefiller.htm", "Code Filler (pomocník při psaní kódu)"),
    ("imagemapy.htm", "Image mapy"),
    ("palety.htm", "Palety barev"),
    ("sablony.htm", "Šablony a nový soubor"),
    ("nahledy.htm", "Náhledy stránky"),
    ("htmltrans.htm", "HTML Translator"),
    ("nastaveni.htm", "Nastavení a klávesové zkratky"),
    ("konvertor.htm", "Konvertor souborů"),
    ("spravce.htm", "Správce souborů"),
    ("projekty.htm", "Projekty, poznámky a historie"),
]

BODY = {}

BODY["index.htm"] = """
<p>Vellomy je editor pro ruční psaní webových stránek: HTML a skriptů, které k nim patří
(JavaScript, PHP, VBScript). Stránku píšete jako text a program vám pomáhá příkazy, které
vkládají značky, inspektorem atributů, nabídkou slov při psaní a náhledy hotové stránky.</p>

<h2>Okna programu</h2>
<ul>
<li><b>Hlavní okno</b> – pruh přes horní okraj obrazovky s nabídkou (Soubor, Úpravy, Zobrazit,
Formát, HTML, Nastavení, Nápověda), panely tlačítek „Standart“ a „Jiné“, záložkami rychlé volby
a „Panelem Zástupců“ pro vaše oblíbené programy.</li>
<li><b>Pracovní Plocha</b> – okno vpravo, kde píšete. Má čtyři záložky: „Editor HTML“,
„Náhled (Chromium)“, „HTML Translator“ a „Nápověda HTML“. Nahoře je pruh zvláštních znaků,
dole stavový řádek.</li>
<li><b>Pracovní Panel</b> – okno vlevo se seznamem otevřených souborů a inspektorem tagů
(záložka „Projekt“), se správcem souborů a s poznámkami k projektu.</li>
</ul>
<p>Zavřené okno Pracovní Plochy nebo Pracovního Panelu znovu zobrazíte v nabídce Zobrazit.</p>

<h2>Nástroje programu</h2>
<ul class="obsah">
<li><a href="editor.htm">Editor a vkládací příkazy</a> – psaní kódu, značky z nabídky HTML
a z tlačítek rychlé volby, velká a malá písmena, hledání, krok zpět, záložky, tabulky.</li>
<li><a href="inspektor.htm">Inspektor tagů</a> – atributy značky pod kurzorem jako upravitelný seznam.</li>
<li><a href="codefiller.htm">Code Filler</a> – nabídka značek, atributů a slov skriptu při psaní.</li>
<li><a href="imagemapy.htm">Image mapy</a> – klikací oblasti obrázku nakreslené myší.</li>
<li><a href="palety.htm">Palety barev</a> – vlastní sady barev a jejich vkládání.</li>
<li><a href="sablony.htm">Šablony a nový soubor</a> – nové stránky ze vzorů, vlastní šablony.</li>
<li><a href="nahledy.htm">Náhledy stránky</a> – náhled v programu, obnovovaný náhled a externí prohlížeče.</li>
<li><a href="htmltrans.htm">HTML Translator</a> – z formátovaného textu kód HTML.</li>
<li><a href="nastaveni.htm">Nastavení a klávesové zkratky</a> – uživatelská nastavení, zkratky, Panel Zástupců.</li>
<li><a href="konvertor.htm">Konvertor souborů</a> – převod souborů do Unicode a zpět.</li>
<li><a href="spravce.htm">Správce souborů</a> – složky a webové soubory na disku.</li>
<li><a href="projekty.htm">Projekty, poznámky a historie</a> – skupiny souborů, poznámky, naposledy otevřené.</li>
</ul>

<h2>První kroky</h2>
<ol>
<li>Soubor → <b>Nový...</b> vytvoří stránku ze šablony, Soubor → <b>Otevřít...</b> otevře
existující soubor (můžete jich vybrat více najednou).</li>
<li>Pište kód na záložce „Editor HTML“. Značky vkládejte z nabídky HTML nebo tlačítky rychlé volby;
označený text značka obalí.</li>
<li>Stisknete-li <kbd>F1</kbd>, když kurzor stojí na jménu značky, otevře se záložka „Nápověda HTML“
u této značky. Celou referenci otevřete příkazem Nápověda → Syntaxe HTML.</li>
<li>Výsledek uvidíte na záložce „Náhled (Chromium)“, v obnovovaném náhledu nebo v externím prohlížeči.</li>
<li>Soubor → <b>Uložit</b> zapíše změny do souboru.</li>
</ol>

<h2>Pracovní kopie</h2>
<p>Každý otevřený soubor má vedle sebe pracovní kopii se jménem „~$“ + jméno souboru + „~“
(například <code>~$index.htm~</code>). Editor zapisuje rozpracovaný text do ní a teprve
příkaz Uložit jej přenese do vašeho souboru. Náhledy ukazují pracovní kopii, takže vidíte
i neuložené změny; protože leží ve stejné složce jako dokument, fungují v ní relativní odkazy,
obrázky i styly. Zavřením souboru se pracovní kopie smaže.</p>
<p>Skončí-li program neočekávaně, zůstane pracovní kopie na disku. Při dalším otevření
souboru se vás program zeptá, zda neuložený text obnovit, zahodit, nebo soubor neotevírat.</p>

<h2>Soubory a příkazy nabídky Soubor</h2>
<ul>
<li><b>Uložit Vše</b> uloží všechny otevřené soubory i otevřený projekt.</li>
<li><b>Zavřít</b> a <b>Zavři Vše</b> se u neuložených souborů zeptají: Ano uloží, Ne zahodí změny,
Cancel příkaz zruší. Stejně se ptá <b>Konec</b>.</li>
<li><b>Tisk...</b> vytiskne text otevřeného souboru.</li>
<li>Mezi otevřenými soubory přepínáte v seznamu na Pracovním Panelu; jeho místní nabídka
soubory také přidává a zavírá.</li>
</ul>

<h2>O programu a aktualizace</h2>
<p>Nápověda → <b>O Programu</b> ukáže verzi programu, datum jeho vytvoření a velikost
a využití fyzické paměti počítače. Nápověda → <b>Aktualizace</b> otevře stránky programu ve
vašem výchozím prohlížeči, kde najdete novou verzi.</p>
<p>Kdyby v programu došlo k vnitřní chybě, zobrazí se hlášení, které na požádání ukáže
podrobnou zprávu. Program ji zapíše do protokolu chyb ve své složce a s vaším souhlasem
i do souboru debug.log. Pošlete nám prosím debug.log na adresu podpory uvedenou v okně O Programu.</p>
"""

BODY["editor.htm"] = """
<p>Kód píšete na záložce <b>„Editor HTML“</b> Pracovní Plochy. Dokud není otevřen žádný soubor,
je pracovní plocha neaktivní: otevřete soubor (Soubor → Otevřít...) nebo vytvořte nový.</p>

<h2>Okno editoru</h2>
<ul>
<li><b>Čísla řádků</b> vlevo od textu. Klepnutím na číslo přesunete kurzor na tento řádek;
místní nabídka čísel nastavuje a ruší záložky. Řádek s kurzorem je zvýrazněn.</li>
<li><b>Pruh zvláštních znaků</b> nahoře: klepnutím na znak vložíte jeho číselný odkaz
(např. <code>&amp;#169;</code> pro ©). Pruh skryjete a zobrazíte příkazem Zobrazit → Seznam Znaků.</li>
<li><b>Panel „Barvy a Záložky“</b> dole: tlačítka šestnácti pojmenovaných barev vkládají jméno
barvy (Black, White, Blue…), tlačítko vlastní barvy otevře výběr barvy a vloží ji jménem nebo jako #RRGGBB,
tlačítko palety otevře <a href="palety.htm">palety barev</a>. Tlačítka „0“ až „9“ skočí na záložky.</li>
<li><b>Stavový řádek</b>: řádek a sloupec kurzoru, „Změněn“ u neuloženého souboru, délka textu,
stav kláves Insert, Caps Lock a Num Lock a jazyk klávesnice.</li>
</ul>
<p>Klávesa <kbd>Insert</kbd> přepíná přepisovací režim: kurzor se změní v blok a psaný znak
nahradí znak pod ním. Klávesa <kbd>Tab</kbd> vloží podle nastavení mezery nebo tabulátor
(viz <a href="nastaveni.htm">Nastavení</a>). Počet kroků, které si pamatuje příkaz Zpět, určuje
nastavení „Maximální velikost historie“.</p>

<h2>Vkládání značek</h2>
<p>Příkazy nabídky <b>HTML → Tagy</b> (podnabídky Nadpisy, Tabulky, Seznamy, Styl, Formát a značky
A, IMG, FONT, BGSOUND) a tlačítka na záložkách rychlé volby hlavního okna („Rychlá Volba“, „Font“,
„Tabulky“, „Seznamy“, „Rámce“, „Formuláře“, „Javascript“, „PHP“) vkládají značky na místo kurzoru:</p>
<ul>
<li><b>Párová značka</b> (např. &lt;B&gt;&lt;/B&gt;) obalí označený text; bez označení se vloží
dvojice a kurzor stojí mezi nimi, připravený pro obsah.</li>
<li><b>Nepárová značka</b> (BR, HR, IMG, INPUT…) a texty jako <code>&amp;nbsp;</code> se vloží
na místo kurzoru a kurzor stojí za nimi.</li>
</ul>
<p>Vkládaný kód se řídí vaším stylem zápisu z <a href="nastaveni.htm">nastavení</a>:</p>
<ul>
<li>„Vkládat tagy a parametry velkými písmeny“ vypnuto – značky se vloží malými písmeny
(<code>&lt;br&gt;</code>, <code>&lt;font size="+1"&gt;</code>).</li>
<li>Pro tučné písmo &lt;STRONG&gt; místo &lt;B&gt;, pro kurzívu &lt;EM&gt; místo &lt;I&gt;.</li>
<li>„Nepárové tagy zakončovat na /“ (podpora XHTML) – nepárové značky končí „ /&gt;“, např. <code>&lt;BR /&gt;</code>.</li>
</ul>
<p>Tlačítko „Zarovnat na střed“ vloží text nastavený v nastavení (výchozí
<code>&lt;P ALIGN="CENTER"&gt;</code> a <code>&lt;/P&gt;</code>).</p>
<p>Další příkazy nabídky HTML:</p>
<ul>
<li><b>Speciální Znaky</b> – nezalomitelná mezera, ©, ™ a ®.</li>
<li><b>Vložit Barvu</b> → Vlastní... (výběr barvy) nebo Z Palety...</li>
<li><b>Vložit</b> → Dnešní Datum (v krátkém formátu data systému) a odkaz na stránky programu s jeho logem.</li>
<li><b>Záložky</b> → Záložka 0 až 9.</li>
<li><b>Vytvořit Image Mapu</b> a <b>Editovat Image Mapu</b> – viz <a href="imagemapy.htm">Image mapy</a>.</li>
</ul>
<p>Formát → Kaskádové Styly → <b>Připojit Styl ze Souboru...</b> nabídne soubor .css (začíná ve
složce Styly programu) a vloží za značku &lt;HEAD&gt; odkaz
<code>&lt;LINK TYPE="text/css" REL="StyleSheet" HREF="…"&gt;</code> s cestou relativní k dokumentu.
Dokument musí obsahovat značku &lt;HEAD&gt; bez atributů (velikost písmen nerozhoduje).</p>

<h2>Tabulky</h2>
<p>Tlačítka „Tabulka(TABLE)“ a „Vložit buňky tabulky“ na záložce „Tabulky“ otevřou u ukazatele myši
mřížku čtverečků. Pohybem myši zvolíte počet sloupců a řádků (zobrazí se jako sloupce x řádky),
levým tlačítkem vložíte prázdnou tabulku této velikosti, pravým tlačítkem nebo klepnutím mimo
mřížku výběr zrušíte.</p>

<h2>Velká a malá písmena</h2>
<ul>
<li>Formát → <b>Tagy Na Velké</b> a <b>Tagy Na Malé</b> převedou v celém dokumentu jména značek,
jména atributů a hodnoty bez uvozovek. Text mezi značkami, hodnoty v uvozovkách, jména obsluh
událostí (ONCLICK…), komentáře a celé bloky SCRIPT a STYLE zůstanou beze změny.</li>
<li>Formát → <b>Zvetšit Text</b> a <b>Zmenšit Text</b> převedou všechna písmena označeného textu.</li>
</ul>
<p>Po každém z těchto převodů vrátí jediný příkaz Zpět původní text.</p>

<h2>Zpět</h2>
<p>Úpravy → <b>Zpět</b> (také tlačítko na panelu Standart nebo <kbd>Alt+Backspace</kbd>) se vrací
po krocích, které program zaznamenává vždy, když se odmlčíte v psaní. Historie patří aktivnímu
souboru: otevřením, přepnutím nebo zavřením souboru se vyprázdní. Na záložce HTML Translator
působí Zpět na její editory.</p>

<h2>Hledání a nahrazování</h2>
<p>Úpravy → <b>Najít...</b>, <b>Najít Další</b> a <b>Nahradit...</b> prohledávají text od kurzoru
ke konci dokumentu (hledání nepokračuje od začátku). Nahrazovat lze po jednom výskytu, nebo
„Nahradit vše“ s potvrzením každého výskytu.</p>

<h2>Schránka</h2>
<p>Příkazy Vyjmout, Kopírovat, Vložit, Smazat a Vybrat Vše v nabídce Úpravy působí na editor,
na záložce HTML Translator na ten její editor, ve kterém je kurzor.</p>

<h2>Záložky</h2>
<p>Každý soubor má deset záložek 0 až 9. Nastavíte je v místní nabídce čísel řádků (pravé tlačítko
myši na číslo řádku), řádek se záložkou je označen její číslicí. Na záložku skočíte tlačítkem
„0“ až „9“ pod editorem nebo příkazem HTML → Záložky.</p>

<h2>Nápověda k HTML</h2>
<p>Klávesa <kbd>F1</kbd> otevře záložku „Nápověda HTML“ u značky, na jejímž jménu stojí kurzor
(například v zápisu <code>&lt;TABLE BORDER="1"&gt;</code> na slově TABLE).</p>
"""

BODY["inspektor.htm"] = """
<p>Inspektor tagů je spodní část záložky „Projekt“ Pracovního Panelu („Inspektor Tagů:“).
Když kurzor stojí uvnitř značky, kterou inspektor zná, ukáže seznam jejích atributů:
vlevo „Vlastnost“ (jméno atributu), vpravo „Hodnota“ (hodnota ze zdrojového kódu).</p>

<h2>Kdy inspektor značku ukáže</h2>
<ul>
<li>Kurzor musí stát uvnitř značky, tj. mezi jejími znaky &lt; a &gt; na jednom řádku; značka
rozdělená na více řádků se nenajde. Počítá se i poloha hned za &gt; nebo hned za &lt;.</li>
<li>Koncové značky (&lt;/TABLE&gt;) a značky, které inspektor nezná, ukážou prázdný seznam.</li>
<li>Při označeném textu je seznam prázdný a neaktivní.</li>
<li>Inspektor pracuje v editoru na záložce „Editor HTML“ i v editoru kódu na záložce „HTML Translator“.</li>
</ul>

<h2>Úprava atributů</h2>
<p>Klepněte na řádek atributu; nad hodnotou se otevře editační pole. Každá změna se okamžitě
zapíše do značky ve zdrojovém kódu:</p>
<ul>
<li><b>Textové pole</b> – hodnota se zapíše v uvozovkách (<code>WIDTH="100"</code>). Smažete-li
hodnotu celou, atribut ze značky zmizí. Atribut, který značka nemá, se připíše na její konec.</li>
<li><b>Zaškrtávací pole</b> pro atributy bez hodnoty (NORESIZE, CHECKED, NOSHADE…) – „Ano“
atribut zapíše, „Ne“ jej odebere. Podle nastavení „Pro true/false tagy používat plný výpis“ se
zapíše krátce (<code>NORESIZE</code>) nebo plně (<code>NORESIZE="NORESIZE"</code>).</li>
<li><b>Pole s tlačítkem „...“</b> – tlačítko otevře výběr souboru: skript (.js, .php, .vb),
obrázek, zvuk (.wav) nebo stránku. Podle nastavení se cesta zapíše relativně k dokumentu
a malými písmeny.</li>
<li><b>Rozbalovací seznam</b> – nabídne hodnoty atributu (např. zarovnání). U barev nabízí
„Vlastní...“ (výběr barvy), „Z Palety...“ (<a href="palety.htm">palety</a>) a šestnáct
pojmenovaných barev; u písem buď krátký seznam písem, nebo všechna písma systému (nastavení
„Načítat všechny fonty“).</li>
</ul>
<p>Jména atributů se zapisují velkými nebo malými písmeny podle nastavení „Vkládat tagy
a parametry velkými písmeny“.</p>

<h2>Obrázky a mapy</h2>
<ul>
<li>U značky IMG ukáže inspektor pod seznamem náhled obrázku (cestu hledá relativně k dokumentu
i jako celou cestu).</li>
<li>Na značce MAP se zpřístupní příkaz „Editovat Image Mapu“ (nabídka HTML a tlačítko hlavního okna),
který otevře <a href="imagemapy.htm">editor image map</a> pro tuto mapu.</li>
</ul>

<h2>Definice značek</h2>
<p>Které značky inspektor zná a jaké atributy u nich nabízí, určují textové soubory ve složce
<code>Data/Taginspektor</code> programu. Soubor <code>index.if</code> obsahuje jména značek
(jedno na řádek, malými písmeny), <code>checkindex.if</code> jména atributů bez hodnoty
a pro každou značku je soubor se jménem značky a příponou .if (např. <code>img.if</code>).
Každý řádek definice začíná druhem pole, jedním oddělovacím znakem a textem řádku:</p>
<table>
<tr><th>Řádek</th><th>Pole v inspektoru</th></tr>
<tr><td><code>text:ALT</code></td><td>textové pole pro atribut ALT</td></tr>
<tr><td><code>checkbox:NORESIZE</code></td><td>zaškrtávací pole</td></tr>
<tr><td><code>button:SRC,picturedialog</code></td><td>pole s tlačítkem „...“; slovo za čárkou určuje dialog:
openjavascript, picturedialog, opensound, openhtml, openmapedit</td></tr>
<tr><td><code>combo:ALIGN,left,center,right</code></td><td>rozbalovací seznam s volbami za čárkami;
poslední volba <code>[&lt;barva&gt;]</code> dá seznam barev, <code>[&lt;font&gt;]</code> seznam písem</td></tr>
</table>
<p>Řádky, které nezačínají žádným z těchto slov, se přeskočí (lze tak psát poznámky).
Soubory se čtou při každém použití, změny platí bez restartu programu.</p>
"""

BODY["codefiller.htm"] = """
<p>Code Filler nabízí při psaní v editoru „Editor HTML“ slova, která se hodí na místo kurzoru:
jména značek, atributy právě psané značky, klíčová slova skriptů a vlastnosti a metody objektů
JavaScriptu. Nabídka se objeví jako malý seznam vedle kurzoru.</p>

<h2>Jak se používá</h2>
<ul>
<li>Začněte psát; seznam ukáže slova, která začínají napsanými písmeny (velikost písmen nerozhoduje).</li>
<li><kbd>Ctrl+Mezerník</kbd> nabídku vyvolá kdykoli (mezera se nenapíše).</li>
<li><kbd>Šipka dolů</kbd> přesune výběr do seznamu, <kbd>Enter</kbd> nebo dvojklik vloží zvolené
slovo místo napsaného začátku, <kbd>Esc</kbd> nabídku zavře.</li>
<li>Nabídka se zavře, jakmile kurzor přejde jinam, nebo když označíte text.</li>
</ul>

<h2>Co se kde nabízí</h2>
<ul>
<li><b>Mimo značky</b> – jména značek (vloží se velkými nebo malými písmeny podle nastavení).</li>
<li><b>Uvnitř značky</b> – atributy, které inspektor tagů u této značky zná; podle nastavení
„Při vložení HTML parametru přidat =""“ se připíše i <code>=""</code> a kurzor stojí mezi uvozovkami.</li>
<li><b>Ve skriptu</b> (v bloku SCRIPT, v hodnotě v uvozovkách nebo v souboru .js) – klíčová slova skriptu,
po tečce vlastnosti a metody objektu (např. po <code>document.</code> slovo <code>write</code>).
U proměnných vytvořených pomocí <code>new</code> nabízí členy jejich typu.</li>
<li><b>Vlastní slova</b> se nabízejí všude kromě míst za tečkou.</li>
</ul>

<h2>Nastavení a slovní zásoba</h2>
<p>V Nastavení → Uživatelská... na záložce „Code Filler“ nabídku zapnete nebo vypnete
(„Používat Code Filler“) a upravíte slovní zásobu („Slovní zásoba Code Filleru:“). Každý řádek
zásoby je slovo, tři znaky <code>;/;</code> a druh slova:</p>
<table>
<tr><th>Druh</th><th>Nabízí se</th></tr>
<tr><td><code>htmltag</code></td><td>mimo značky, např. <code>TABLE;/;htmltag</code></td></tr>
<tr><td><code>htmlparam</code></td><td>uvnitř značky, zná-li atribut inspektor, např. <code>BORDER;/;htmlparam</code></td></tr>
<tr><td><code>userdefined</code></td><td>všude kromě míst za tečkou</td></tr>
<tr><td><code>tscript</code></td><td>ve skriptu mimo značky, např. <code>function;/;tscript</code></td></tr>
<tr><td><code>javascript.objekt</code></td><td>za jménem objektu a tečkou, např. <code>write;/;javascript.document</code></td></tr>
<tr><td><code>typejavascript.typ</code></td><td>za proměnnou daného typu a tečkou</td></tr>
</table>
<p>Řádky bez <code>;/;</code> zůstanou v souboru jako poznámky, ale nenabízejí se. Po potvrzení
nastavení se zásoba uloží seřazená (soubor <code>Data/Codefiller/tags.vcq</code>) a ihned platí.</p>
"""

BODY["imagemapy.htm"] = """
<p>Image mapa (obrázková mapa) dělí obrázek na klikací oblasti, z nichž každá vede jinam.
V kódu ji tvoří obrázek s atributem <code>USEMAP="#jméno"</code> a blok
<code>&lt;MAP NAME="jméno"&gt;</code> s jednou značkou AREA pro každou oblast.
Vellomy oblasti nechá nakreslit myší přímo na obrázku.</p>

<h2>Nová mapa</h2>
<ol>
<li>Umístěte kurzor v editoru tam, kam má obrázek přijít, a zvolte HTML → <b>Vytvořit Image Mapu</b>
(nebo tlačítko „Vytvořit Image Mapu“ na panelu Standart).</li>
<li>V okně „Vytvořit Novou Image Mapu“ napište „Název Image Mapy“ a cestu k obrázku („Obrázek“);
tlačítko vedle pole otevře výběr obrázku a zapíše cestu relativně k dokumentu. Najde-li se obrázek,
ukáže se jeho náhled. OK je dostupné, až jsou vyplněna obě pole.</li>
<li>OK vloží značku <code>&lt;IMG SRC="…" USEMAP="#…" ISMAP&gt;</code> a pod ni prázdný blok
MAP a rovnou otevře editor mapy.</li>
</ol>

<h2>Úprava mapy</h2>
<p>Postavte kurzor do značky MAP (na řádek <code>&lt;MAP NAME="…"&gt;</code>) a zvolte HTML →
<b>Editovat Image Mapu</b>; příkaz je dostupný jen na značce MAP. Program najde obrázek, který
mapu používá; nenajde-li jej, ohlásí „Tento obrázek neexistuje“.</p>

<h2>Editor image map</h2>
<p>V okně „Editovat Image Mapu“ je vlevo obrázek ve skutečné velikosti, vpravo „Seznam Oblastí Mapy“
a pole vybrané oblasti.</p>
<ul>
<li><b>Nová Oblast</b> přidá oblast (pojmenovanou „Oblast“ a číslo), <b>Odebrat Zvolený</b> ji odebere.</li>
<li>Tvar zvolíte tlačítky „Typ Volby Mapy“: <b>obdélník</b> a <b>kružnici</b> nakreslíte tažením
myši po obrázku, <b>body</b> (mnohoúhelník) klepáním levým tlačítkem na jednotlivé vrcholy;
pravé tlačítko ukáže spojnici zpět k prvnímu bodu. Souřadnice se ukazují v poli „Akuální koordináty“.</li>
<li>Vyplňte „Href“ (cíl odkazu; tlačítko vedle vybere soubor), „Alt“ (popis oblasti, zároveň její
jméno v seznamu), případně „Acceskey“, „Tabindex“ a „No Href“ pro oblast bez odkazu.</li>
<li><b>Uložit</b> zapíše tvar, souřadnice a pole do vybrané oblasti. Bez Uložit se změny oblasti nezapamatují.</li>
<li><b>Vložit</b> nahradí v dokumentu celý blok MAP oblastmi ze seznamu a okno zavře;
<b>Storno</b> okno zavře a dokument nezmění.</li>
</ul>
<p>Souřadnice jsou v pixelech obrázku: obdélník x1,y1,x2,y2, kružnice střed x,y a poloměr,
mnohoúhelník dvojice x,y pro každý vrchol. Popis značek najdete v nápovědě HTML u
<a href="../index.htm#MAP">MAP</a> a <a href="../index.htm#AREA">AREA</a>.</p>
<p>U značky MAP jej může otevřít i tlačítko „...“ v <a href="inspektor.htm">inspektoru tagů</a>.</p>
"""

BODY["palety.htm"] = """
<p>Palety jsou pojmenované sady barev, které si sestavíte a ze kterých barvy vkládáte do kódu,
do inspektoru tagů nebo do nastavení HTML Translatoru.</p>

<h2>Okno Palety Barev</h2>
<p>Otevře je HTML → Vložit Barvu → <b>Z Palety...</b>, tlačítko palety na panelu „Barvy a Záložky“
pod editorem, volba „Z Palety...“ v barevném seznamu inspektoru tagů a tlačítka palety na záložce
HTML Translator.</p>
<ul>
<li>„Zvolená Paleta“ vybírá paletu; mřížka ukazuje její barvy (po sloupcích, 360 barev najednou;
tlačítka vedle mřížky posouvají delší paletu).</li>
<li>Klepnutím na barvu se ukáže ve „Zvolená Barva“ a v poli hodnoty jako jméno (Red, Navy…)
nebo jako #RRGGBB. Do pole můžete hodnotu také napsat: #RRGGBB nebo jedno ze šestnácti jmen.</li>
<li><b>Vložit</b> pošle barvu tam, odkud jste okno otevřeli: do kódu na místo kurzoru, do řádku
inspektoru nebo do pole barvy v HTML Translatoru. <b>Storno</b> nic nevloží.</li>
<li><b>Vytvořit Novou....</b> se zeptá na „Název Palety:“ a vytvoří prázdnou paletu.</li>
<li><b>Editovat ...</b> otevře editor zvolené palety.</li>
</ul>

<h2>Editor palety</h2>
<ul>
<li>Novou barvu vyberte klepnutím nebo tažením po spektru („Barvy“), napište ji do „Hodnota“,
nebo zadejte složky „RGB“ (červená, zelená, modrá, každá 0 až 255).</li>
<li><b>Přidat</b> připojí barvu na konec palety (všechna tři pole RGB musí být vyplněna).</li>
<li><b>Odebrat Zvolený</b> odebere barvu, na kterou jste v mřížce klepli; <b>Vynulovat Paletu</b>
odebere všechny.</li>
<li><b>OK</b> paletu uloží, <b>Storno</b> změny zahodí.</li>
</ul>
<p>Palety jsou textové soubory <code>Data/Palety/jméno.vpq</code>: na prvním řádku počet barev,
pak na každém řádku jedna barva jako tři čísla červená, zelená, modrá oddělená mezerou.</p>
"""

BODY["sablony.htm"] = """
<p>Nové stránky vznikají ze šablon. Šablona je stránka HTML s popisem na prvním řádku
a několika zástupnými značkami, které při vytvoření souboru vyplní dialog „Vytvořit Nový Soubor“.</p>

<h2>Nový soubor</h2>
<ol>
<li>Soubor → <b>Nový...</b> (nebo tlačítko „Nový Soubor...“).</li>
<li>„Název Souboru“ – jméno nového souboru; tlačítko „...“ vybere místo a jméno. Jméno bez složky
se uloží do výchozího adresáře souborů, jméno bez přípony dostane výchozí příponu (obojí v
<a href="nastaveni.htm">nastavení</a>).</li>
<li>„Použítá Šablona“ – výběr šablony. Náhled ukazuje její vzhled a kód (zástupné značky zatím
nevyplněné).</li>
<li>Vyplňte pole, která šablona používá; ostatní jsou neaktivní s textem „Nedostupné v této šabloně“:
jazyk (značka, výchozí „cz“), jméno autora, klíčová slova, popis stránky a dvě volby pro
vyhledávače (INDEX a FOLLOW).</li>
<li><b>Vytvořit</b> zapíše soubor a otevře jej. Existuje-li soubor, program se zeptá
„Soubor již existuje.Přepsat?“.</li>
</ol>

<h2>Jak vytvořit vlastní šablonu</h2>
<p>Nejjednodušší cesta: napište stránku, jak ji chcete mít, a zvolte Soubor → <b>Uložit Jako Šablonu...</b>.
Program se zeptá na „Popis Šablony:“ (text, pod kterým ji uvidíte v seznamu šablon) a uloží
šablonu do složky <code>Sablony</code> programu jako <code>SablonaN.vtq</code>. Uloží se text,
jak je v editoru, včetně neuložených změn.</p>
<p>Chcete-li, aby dialog šablonu vyplňoval, napište do stránky před uložením zástupné značky:</p>
<table>
<tr><th>Značka</th><th>Nahradí se</th></tr>
<tr><td><code>&lt;*a*&gt;</code></td><td>jménem autora</td></tr>
<tr><td><code>&lt;*j*&gt;</code></td><td>jazykem (např. cz)</td></tr>
<tr><td><code>&lt;*k*&gt;</code></td><td>klíčovými slovy</td></tr>
<tr><td><code>&lt;*p*&gt;</code></td><td>popisem stránky (řádky popisu spojené za sebe)</td></tr>
<tr><td><code>&lt;*r*&gt;</code></td><td>pokynem pro vyhledávače: index nebo noindex, čárka, follow nebo nofollow</td></tr>
</table>
<p>Na každém řádku šablony se nahradí jen první zástupná značka; každou proto pište na vlastní řádek.
Příklad hlavičky šablony:</p>
<pre>&lt;HTML LANG="&lt;*j*&gt;"&gt;
&lt;HEAD&gt;
&lt;META NAME="author" CONTENT="&lt;*a*&gt;"&gt;
&lt;META NAME="keywords" CONTENT="&lt;*k*&gt;"&gt;
&lt;META NAME="description" CONTENT="&lt;*p*&gt;"&gt;
&lt;META NAME="robots" CONTENT="&lt;*r*&gt;"&gt;
&lt;TITLE&gt;&lt;/TITLE&gt;
&lt;/HEAD&gt;</pre>
<p>Šablonu můžete napsat i v jiném editoru: je to textový soubor s příponou .vtq ve složce
<code>Sablony</code>; první řádek je popis, který se do nové stránky nepřenese, od druhého řádku
následuje text stránky.</p>
"""

BODY["nahledy.htm"] = """
<p>Hotovou stránku uvidíte třemi způsoby. Všechny ukazují pracovní kopii dokumentu, kterou
program předtím zapíše z editoru, takže vidíte i neuložené změny; relativní odkazy, obrázky
a styly se hledají ve složce dokumentu.</p>

<h2>Náhled na Pracovní Ploše</h2>
<p>Záložka <b>„Náhled (Chromium)“</b> Pracovní Plochy ukáže aktivní dokument vykreslený
zabudovaným prohlížečem. Zpět k psaní se vrátíte záložkou „Editor HTML“. Mezi oběma
záložkami lze přepínat i klávesovými zkratkami „Přepnout na Editor kódu“ a „Přepnout na Náhled“,
které si nastavíte v <a href="nastaveni.htm">nastavení</a>.</p>

<h2>Obnovovaný náhled</h2>
<p>Zobrazit → <b>Obnovovaný Návrh</b> (nebo tlačítko „Obnovovaný Náhled“) otevře pod Pracovní
Plochou okno „Obnovovaný Náhled“, které se samo obnoví pokaždé, když se při psaní zastavíte.
Píšete tak a zároveň vidíte výsledek. Stejným příkazem okno skryjete.</p>

<h2>Externí prohlížeče</h2>
<p>Nastavení → <b>Externí Prohližeče...</b> spravuje seznam vašich prohlížečů: napište „Název
Prohlížeče“ a „Cesta k Prohlížeči“ (tlačítko vedle pole program vybere) a stiskněte „Uložit“.
Šipkami měníte pořadí, „Odebrat“ prohlížeč odebere, OK seznam uloží. Nabízí se jen prvních pět.</p>
<p>HTML → <b>Zobrazit Náhled</b> (tlačítko „Náhled“) pak otevře pracovní kopii dokumentu:
je-li nastaven jediný prohlížeč, hned v něm, jinak nabídne u ukazatele myši nabídku prohlížečů.
Při prvním spuštění program vyplní prázdný seznam prohlížeči, které na počítači najde.</p>
"""

BODY["htmltrans.htm"] = """
<p>Záložka <b>„HTML Translator“</b> Pracovní Plochy převádí formátovaný text na kód HTML.
Vlevo je editor formátovaného textu, kde píšete a formátujete jako v textovém editoru,
vpravo „Editor Kódu (Pouze část BODY)“ s odpovídajícím kódem. Hotový kód vložíte do dokumentu.</p>

<h2>Postup</h2>
<ol>
<li>Označíte-li před přepnutím na záložku text v editoru HTML, objeví se v editoru kódu.</li>
<li>Pište a formátujte text vlevo.</li>
<li>Tlačítko na dělicí liště ve směru <b>do kódu</b> převede formátovaný text na kód v pravém editoru;
tlačítko opačným směrem přenese kód z pravého editoru do formátovaného editoru.</li>
<li>Kód vpravo můžete dále upravovat; pracuje v něm i <a href="inspektor.htm">inspektor tagů</a>,
barevná tlačítka a vkládací příkazy.</li>
<li><b>Vložit do kódu (Na pozici kurzoru)</b> vloží kód do dokumentu na místo kurzoru editoru HTML
(nebo místo označeného textu) a vrátí vás na záložku „Editor HTML“.</li>
</ol>

<h2>Editor Formátovaného Textu</h2>
<ul>
<li>Písmo a velikost (1 až 7), tučné písmo, kurzíva, podtržení, zarovnání vlevo, na střed a vpravo.</li>
<li>Barva textu – jméno ze seznamu, vlastní barva nebo barva z <a href="palety.htm">palety</a>.</li>
<li>„Vložit:“ obrázek, tabulku (výběr velikosti tabulky), a uvnitř tabulky vložit a smazat řadu,
sloupec a buňku, rozdělit buňku a sloučit buňky.</li>
</ul>

<h2>Nastavení Body</h2>
<p>Skupina „Nastavení Body(Nemá vliv na výstupní kód)“ mění barvu pozadí, barvu odkazů, barvu textu
a obrázek na pozadí jen pro zobrazení ve formátovaném editoru. Do výsledného kódu se nedostanou:
kód obsahuje jen obsah části BODY.</p>

<h2>Podoba kódu</h2>
<ul>
<li>Jména značek a atributů jsou velkými nebo malými písmeny podle nastavení „Vkládat tagy
a parametry velkými písmeny“; hodnoty atributů dostanou uvozovky.</li>
<li>Tučné písmo se zapíše jako &lt;STRONG&gt; nebo &lt;B&gt; a kurzíva jako &lt;EM&gt; nebo &lt;I&gt;
podle nastavení na záložce „Editor Kódu“.</li>
</ul>
<p>Příklad: text „Dobrý <i>den</i>“ zarovnaný na střed se při nastavení &lt;I&gt; a velkých písmenech
zapíše jako <code>&lt;P ALIGN="center"&gt;Dobrý &lt;I&gt;den&lt;/I&gt;&lt;/P&gt;</code>.</p>
<p>Skupina „Editor Kódu (Vloží barvu)“ vkládá jména barev do pravého editoru kódu.</p>
"""

BODY["nastaveni.htm"] = """
<p>Nastavení → <b>Uživatelská...</b> otevře okno „Uživatelská Nastavení“. OK nastavení uloží
(soubor config.ini ve složce programu) a hned použije; Storno nic neuloží.</p>

<h2>Obecné</h2>
<ul>
<li>„Maximální velikost historie“ – kolik kroků zpět si pamatuje příkaz Zpět (výchozí 10).</li>
<li>„Při startu otevřít naposledy editovaný projekt“ – při spuštění bez jmen souborů otevře
poslední projekt, skončila-li minulá práce s otevřeným projektem, jinak naposledy otevřený soubor.</li>
<li>„Číslovat řádky“, „Vkládat tagy a parametry velkými písmeny“, „Načítat všechny fonty“
(seznam písem v inspektoru), „Vkládat názvy souborů malými písmeny“, „Všechny cesty ukládat
relativně“, „Automaticky ukládat při změně aktuálního souboru“.</li>
<li>„Pro true/false tagy používat plný výpis“ – atributy bez hodnoty zapisovat plně
(<code>&lt;FRAME NORESIZE="NORESIZE"&gt;</code>).</li>
<li>Podpora XHTML: „Nepárové tagy zakončovat na /“ (<code>&lt;BR /&gt;</code>).</li>
<li>„Standartní přípona“ – přípona nových souborů bez tečky.</li>
</ul>

<h2>Klávesové Zkratky</h2>
<p>Šedesát jedna příkazů nabídky může mít vaši klávesovou zkratku (záložky, přepnutí na editor
a náhled, příkazy souborů, úprav, formátu, vkládání a další). V seznamu „Funkce“ vyberte příkaz,
do pole „Zkratka“ stiskněte kombinaci kláves a stiskněte „Použít“. Zkratka vždy obsahuje Ctrl
nebo Alt; ke klávese bez nich, nebo jen se Shift, se Alt přidá sám.
„Vynulovat“ zkratku příkazu zruší. Zkratky platí ve všech oknech programu a uloží se do
<code>Userconfig/zkratky.dat</code>.</p>

<h2>Code Filler</h2>
<p>Zapnutí nabídky slov, přidávání <code>=""</code> za atributy a slovní zásoba –
viz <a href="codefiller.htm">Code Filler</a>.</p>

<h2>Soubory a Adresáře</h2>
<ul>
<li>„Adresář Projektů“ a „Adresář Souborů“ – kde začínají dialogy projektů a souborů.</li>
<li>„Podporované Koncovky“ – druhy souborů nabízené v dialozích Otevřít a Uložit: „Popis“
a „Koncovka“ (masky oddělené středníkem, např. <code>*.htm;*.html</code>). „Přidat“ přidá řádek;
řádek s prázdným popisem nebo koncovkou se po OK vypustí.</li>
</ul>

<h2>Editor Kódu</h2>
<ul>
<li>„Velikost Tabulátoru“ – klávesa Tab se nahradí mezerami: jednou a k ní tolika, kolik udává
velikost (při velikosti 4 tedy pěti); při velikosti 8 zůstane znak tabulátoru;
„Používat tabulátor“ – Tab se píše do textu místo přechodu na další ovládací prvek.</li>
<li>„Automaticky zalamovat řádky“, „Barva Pozadí“ a „Barva kódu“ editoru.</li>
<li>Text pro zarovnání na střed („Začátek“ a „Konec“).</li>
<li>„Pro tučné písmo používat“ &lt;STRONG&gt; nebo &lt;B&gt;, „Pro kurzívu používat“ &lt;EM&gt; nebo &lt;I&gt;.</li>
</ul>

<h2>Panel Zástupců</h2>
<p>Sedm tlačítek „Panelu Zástupců“ v hlavním okně spouští vaše oblíbené programy (editor obrázků,
FTP klienta, prohlížeč). Pravým tlačítkem myši na tlačítko zvolíte „Zvolit Program...“; tlačítko
pak ukazuje ikonu programu a klepnutím jej spustí. V téže nabídce je „Spustit“ a „Zrušit“.</p>
"""

BODY["konvertor.htm"] = """
<p>Nastavení → <b>Konvertor Souborů...</b> otevře okno „Kovertor Souborů“, které převádí textové
soubory mezi 8bitovým kódováním a Unicode. Hodí se, když stránka v jiném kódování ukazuje
špatně české znaky.</p>

<h2>Postup</h2>
<ol>
<li><b>Přidat...</b> vybere vstupní soubory (i více najednou). V seznamu „Vstupní Soubory“ je
každý označen „Unicode“ (soubor se značkou pořadí bajtů) nebo „Ascii“ (8bitový text).</li>
<li><b>Odebrat</b> odebere soubor, na jehož řádku je kurzor, <b>Vymazat Vše</b> vyprázdní seznam.</li>
<li>Zvolte výstupní adresář. Soubor, který by se zapsal sám do sebe (výstupní adresář je jeho
vlastní složka), program přeskočí s hlášením „Nelze zapisovat i číst do jednoho souboru - Zvolte
prosím jiný výstupní adresář“.</li>
<li><b>Konvertovat</b> vytvoří ve výstupním adresáři soubor se stejným jménem v opačném kódování:
8bitový soubor jako UTF-16 se značkou pořadí bajtů, soubor v Unicode (UTF-16 nebo UTF-8 se
značkou) jako 8bitový text v kódové stránce systému.</li>
</ol>
<p>Výstupní adresář si program pamatuje. Neexistuje-li, ohlásí „Nastavený adresář neexistuje!“.</p>
"""

BODY["spravce.htm"] = """
<p>Záložka <b>„Správce souborů“</b> Pracovního Panelu je malý správce souborů pro práci na webu:
výběr disku nebo složky, strom složek a seznam webových souborů ve vybrané složce.</p>

<h2>Seznam souborů</h2>
<p>Seznam „Soubor“ ukazuje ve vybrané složce soubory .htm, .html, .js, .php, .vbs a projekty .vpq
(pracovní kopie otevřených souborů se neukazují). Místní nabídka (pravé tlačítko myši):</p>
<ul>
<li><b>Otevřít</b> – otevře soubor v editoru, projekt .vpq jako projekt.</li>
<li><b>Zobrazit...</b> – otevře soubor programem, který je k němu v systému přiřazen.</li>
<li><b>Odstranit</b> – po potvrzení soubor smaže natrvalo.</li>
<li><b>Vlastnosti...</b> – údaje o souboru.</li>
</ul>

<h2>Strom složek</h2>
<p>Klepnutím na složku ve stromu se ukáže její obsah. Pole nad stromem vybírá disk nebo
domovskou složku. Místní nabídka stromu:</p>
<ul>
<li><b>Vytvořit Adresář...</b> – zeptá se na „Název Adresáře:“ a vytvoří složku ve vybrané složce.</li>
<li><b>Smazat Adresář</b> – po potvrzení přesune složku i s obsahem do koše.</li>
<li><b>Vlasnosti...</b> – údaje o složce.</li>
</ul>
"""

BODY["projekty.htm"] = """
<p>Projekt je pojmenovaná skupina souborů, které otevíráte společně, s vašimi poznámkami.
Ukládá se do souboru s příponou .vpq.</p>

<h2>Práce s projektem</h2>
<ul>
<li>Otevřete soubory, které k sobě patří, a zvolte Soubor → <b>Uložit Projekt...</b>. Projekt si
zapamatuje všechny otevřené soubory (cesty relativně ke složce projektu) a poznámky.</li>
<li>Soubor → <b>Otevřít Projekt...</b> zavře otevřené soubory (u neuložených se zeptá) a otevře
soubory projektu.</li>
<li>Jméno otevřeného projektu je v titulku hlavního okna; po změně (otevření nebo zavření souboru,
úprava poznámek) se k němu připíše „(Změněn)“. Uložit Projekt a Uložit Vše projekt uloží.</li>
<li>Zavři Vše zavře i projekt.</li>
</ul>

<h2>Poznámky</h2>
<p>Na záložce „Poznámky“ Pracovního Panelu si k projektu píšete poznámky (co zbývá dodělat,
důležité adresy). Tlačítko „Vložit dnešní datum“ vloží datum.
<kbd>Ctrl+Tab</kbd> v poznámkách přepne zpět na záložku „Projekt“. Poznámky se ukládají s projektem.</p>

<h2>Znovu otevřít</h2>
<p>Soubor → <b>Znovu Otervřít</b> nabízí tři naposledy otevřené projekty a sedm naposledy
otevřených souborů, nejnovější nahoře. Seznam se pamatuje mezi spuštěními (soubor history.dat).
Je-li v nastavení zapnuto „Při startu otevřít naposledy editovaný projekt“, program po spuštění
bez jmen souborů otevře poslední projekt nebo soubor.</p>
<p>Program také otevře soubory a projekty, jejichž jména dostane na příkazovém řádku.</p>
"""


def nav(current):
    items = []
    for name, title in PAGES:
        if name == current:
            items.append(f"<b>{title}</b>")
        else:
            items.append(f'<a href="{name}">{title}</a>')
    return '<p class="nav">' + " | ".join(items) + "</p>"


def page(name, title):
    head = ['<!DOCTYPE html>', '<html lang="cs">', '<head>', '<meta charset="utf-8">',
            f'<title>{title} – Nápověda Vellomy</title>',
            '<link rel="stylesheet" href="../styl.css">', '</head>', '<body>',
            f'<h1>{title}</h1>']
    foot = []
    if name != "index.htm":
        foot.append('<p class="zpet"><a href="index.htm">Zpět na obsah nápovědy</a></p>')
    foot += [nav(name), '<p class="paticka">Vellomy – editor webových stránek. Popis značek HTML: '
             '<a href="../index.htm">Nápověda HTML</a>.</p>', '</body>', '</html>', '']
    return "\n".join(head) + BODY[name] + "\n".join(foot)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, title in PAGES:
        with open(os.path.join(OUT, name), "w", encoding="utf-8", newline="\r\n") as f:
            f.write(page(name, title))


if __name__ == "__main__":
    main()

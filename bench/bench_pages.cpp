#include "bench_pages.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace BenchPages {

namespace {

const QStringList &Sentences()
{
    static const QStringList s = {
        u"Příliš žluťoučký kůň úpěl ďábelské ódy."_s,
        u"Ve čtvrtek ráno jsme vyrazili na hory, kde ještě ležel sníh."_s,
        u"Objednávku vyřídíme do tří pracovních dnů; cena zahrnuje DPH."_s,
        u"Šťastný nový rok přeje všem zákazníkům redakce Vellomy."_s,
        u"Úterní schůze se přesouvá do zasedací místnosti ve druhém patře."_s,
        u"Na dvoře stála stará hruška a pod ní lavička z dubového dřeva."_s,
    };
    return s;
}

QString Block(int i)
{
    const QStringList &s = Sentences();
    const QString n = QString::number(i);
    QString b;
    b += u"<!-- oddíl "_s + n + u": začátek -->\r\n"_s;
    b += u"<style type=\"text/css\">\r\n  .r"_s + n
         + u" { color: #336699; font-family: Verdana, sans-serif; }\r\n  td.c"_s + n
         + u" { padding: 2px; border: 1px solid #ccc; }\r\n</style>\r\n"_s;
    b += u"<table border=\"1\" cellpadding=\"2\" width=\"100%\" class=\"r"_s + n + u"\">\r\n"_s;
    for (int r = 0; r < 3; ++r) {
        b += u"  <tr>\r\n"_s;
        b += u"    <td class=\"c"_s + n + u"\" valign=top>"_s + s[(i + r) % s.size()] + u"</td>\r\n"_s;
        b += u"    <td><table border=0><tr><td><b>Položka "_s + QString::number(r)
             + u"</b></td><td><a href=\"stranka"_s + n + u".htm#p"_s + QString::number(r)
             + u"\">Podrobnosti</a></td></tr></table></td>\r\n"_s;
        b += u"  </tr>\r\n"_s;
    }
    b += u"</table>\r\n"_s;
    b += u"<form action=\"odeslat.php\" method=\"post\" name=\"f"_s + n + u"\">\r\n"_s;
    b += u"  <label>Jméno: <input type=\"text\" name=\"jmeno\" size=30 value=\"Jiří Nováček\"></label><br>\r\n"_s;
    b += u"  <select name=\"mesto\"><option value=1>Praha</option><option value=2>Brno</option>"
         u"<option value=3 selected>Ústí nad Labem</option></select>\r\n"_s;
    b += u"  <textarea name=\"zprava\" rows=4 cols=40>Dobrý den, posílám objednávku.</textarea>\r\n"_s;
    b += u"  <input type=\"submit\" value=\"Odeslat\" onclick=\"return kontrola"_s + n + u"(this.form);\">\r\n"_s;
    b += u"</form>\r\n"_s;
    b += u"<script type=\"text/javascript\">\r\nfunction kontrola"_s + n
         + u"(f) {\r\n  if (f.jmeno.value.length < 2) { alert(\"Vyplňte jméno\"); return false; }\r\n"
           u"  var d = new Date();\r\n  return d.getTime() > 0 && f.mesto.selectedIndex >= 0;\r\n}\r\n</script>\r\n"_s;
    b += u"<p>"_s + s[i % s.size()] + u" "_s + s[(i + 3) % s.size()] + u"</p>\r\n"_s;
    b += u"<!-- oddíl "_s + n + u": konec -->\r\n"_s;
    return b;
}

} // namespace

QString EndMarker()
{
    return u"Konec stránky: poslední odstavec"_s;
}

QString Page(qsizetype bytes, int seed)
{
    QString page;
    page.reserve(bytes + 4096);
    page += u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
            u"<title>Zkušební stránka</title>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n"_s;
    for (int i = seed * 100000; page.size() < bytes - 200; ++i)
        page += Block(i);
    page += u"<p>"_s + EndMarker() + u"</p>\r\n</body>\r\n</html>\r\n"_s;
    return page;
}

QString SingleLinePage(qsizetype bytes)
{
    QString page = Page(bytes, 7);
    page.replace(u"\r\n"_s, u" "_s);
    return page;
}

} // namespace BenchPages

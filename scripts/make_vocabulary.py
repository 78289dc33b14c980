#!/usr/bin/env python3
"""Writes data/Data/Codefiller/tags.vcq, the code assistant's vocabulary.

Each line is word;/;kind. The file is Windows-1250 with CR LF line ends and
its lines in ascending byte order, as the settings dialog saves it.
Run from the repository root: python3 scripts/make_vocabulary.py
"""

import pathlib

# The elements the tag inspector describes.
HTML4 = """A ABBR ACRONYM ADDRESS APPLET AREA B BASE BASEFONT BDO BIG BLOCKQUOTE BODY BR
BUTTON CAPTION CENTER CITE CODE COL COLGROUP DD DEL DFN DIR DIV DL DT EM FIELDSET FONT
FORM FRAME FRAMESET H1 H2 H3 H4 H5 H6 HEAD HR HTML I IFRAME IMG INPUT INS ISINDEX KBD
LABEL LEGEND LI LINK MAP MENU META NOFRAMES NOSCRIPT OBJECT OL OPTGROUP OPTION P PARAM
PRE Q S SAMP SCRIPT SELECT SMALL SPAN STRIKE STRONG STYLE SUB SUP TABLE TBODY TD
TEXTAREA TFOOT TH THEAD TITLE TR TT U UL VAR""".split()
CURRENT = """ARTICLE ASIDE AUDIO BDI CANVAS DATA DATALIST DETAILS DIALOG EMBED FIGCAPTION
FIGURE FOOTER HEADER MAIN MARK METER NAV OUTPUT PICTURE PROGRESS SECTION SOURCE SUMMARY
TEMPLATE TIME TRACK VIDEO WBR""".split()

# Elements without an end tag: offered as "<BR>" rather than as a pair.
VOID = set("AREA BASE BASEFONT BR COL EMBED FRAME HR IMG INPUT ISINDEX LINK META PARAM SOURCE TRACK WBR".split())

# Elements usually written as an empty pair, the caret put between the tags.
PAIRS = """A ABBR ACRONYM ADDRESS ARTICLE ASIDE B BDI BDO BIG BLOCKQUOTE BODY BUTTON CAPTION
CENTER CITE CODE DD DEL DETAILS DFN DIV DL DT EM FIELDSET FIGCAPTION FIGURE FONT FOOTER
FORM H1 H2 H3 H4 H5 H6 HEAD HEADER HTML I INS KBD LABEL LEGEND LI MAIN MAP MARK NAV
NOFRAMES NOSCRIPT OL OPTION P PRE Q S SAMP SCRIPT SECTION SELECT SMALL SPAN STRIKE STRONG
STYLE SUB SUMMARY SUP TABLE TBODY TD TEXTAREA TFOOT TH THEAD TITLE TR TT U UL VAR""".split()

# Attributes of those elements: HTML 4.01 (including the deprecated
# presentational ones) and the current HTML standard, global ones included.
ATTRIBUTES = """abbr accept accept-charset accesskey action align alink allow allowfullscreen alt
archive as async autocapitalize autocomplete autofocus autoplay axis background bgcolor
blocking border cellpadding cellspacing char charoff charset checked cite class classid clear
code codebase codetype color cols colspan compact content contenteditable controls coords
crossorigin data datetime declare decoding default defer dir dirname disabled download
draggable enctype enterkeyhint face fetchpriority for form formaction formenctype formmethod
formnovalidate formtarget frame frameborder headers height hidden high href hreflang hspace
http-equiv id inert inputmode integrity is ismap itemid itemprop itemref itemscope itemtype
kind label lang language link list loading longdesc loop low marginheight marginwidth max
maxlength media method min minlength multiple muted name nohref nomodule nonce noresize
noshade novalidate nowrap object onabort onafterprint onbeforeprint onbeforeunload onblur
oncanplay oncanplaythrough onchange onclick onclose oncontextmenu oncopy oncuechange oncut
ondblclick ondrag ondragend ondragenter ondragleave ondragover ondragstart ondrop
ondurationchange onemptied onended onerror onfocus onhashchange oninput oninvalid onkeydown
onkeypress onkeyup onload onloadeddata onloadedmetadata onloadstart onmessage onmousedown
onmouseenter onmouseleave onmousemove onmouseout onmouseover onmouseup onoffline ononline
onpagehide onpageshow onpaste onpause onplay onplaying onpopstate onprogress onratechange
onreset onresize onscroll onseeked onseeking onselect onstalled onstorage onsubmit onsuspend
ontimeupdate ontoggle onunload onvolumechange onwaiting onwheel open optimum pattern ping
placeholder playsinline popover popovertarget popovertargetaction poster preload profile
prompt readonly referrerpolicy rel required rev reversed rows rowspan rules sandbox scheme
scope scrolling selected shape size sizes slot span spellcheck src srcdoc srclang srcset
standby start step style summary tabindex target text title translate type usemap valign
value valuetype version vlink vspace width wrap""".split()

TSCRIPT = """async await break case catch class const continue debugger default delete do else
export extends false finally for function if import in instanceof let new null return
super switch this throw true try typeof undefined var void while with yield
Infinity NaN alert blur clearInterval clearTimeout close confirm decodeURI
decodeURIComponent encodeURI encodeURIComponent escape eval fetch focus isFinite isNaN
open parseFloat parseInt print prompt queueMicrotask requestAnimationFrame
cancelAnimationFrame setInterval setTimeout structuredClone unescape
Array Boolean Date Error Image JSON Map Math Number Object Promise RegExp Set String
Symbol XMLHttpRequest console document event history localStorage location navigator
screen sessionStorage window""".split()

EVENT_HANDLERS = """onblur onchange onclick oncontextmenu ondblclick onerror onfocus oninput
onkeydown onkeypress onkeyup onload onmousedown onmouseenter onmouseleave onmousemove
onmouseout onmouseover onmouseup onresize onscroll onselect onsubmit onwheel""".split()

ELEMENT = """accessKey addEventListener after append appendChild before checked childNodes
children classList className click clientHeight clientLeft clientTop clientWidth cloneNode
closest contains dataset disabled dispatchEvent firstChild firstElementChild focus blur
getAttribute getBoundingClientRect getElementsByClassName getElementsByTagName hasAttribute
hasChildNodes hidden href id innerHTML innerText insertAdjacentHTML insertBefore lastChild
lastElementChild matches name nextElementSibling nextSibling nodeName nodeType nodeValue
offsetHeight offsetLeft offsetParent offsetTop offsetWidth outerHTML parentElement
parentNode prepend previousElementSibling previousSibling querySelector querySelectorAll
remove removeAttribute removeChild removeEventListener replaceChild replaceWith
scrollHeight scrollIntoView scrollLeft scrollTop scrollWidth selectedIndex setAttribute
src style tabIndex tagName textContent title toggleAttribute type value""".split() + EVENT_HANDLERS

OBJECTS = {
    "window": """addEventListener alert atob blur btoa cancelAnimationFrame clearInterval
clearTimeout close closed confirm console devicePixelRatio document fetch focus frames
getComputedStyle getSelection history innerHeight innerWidth length localStorage location
matchMedia moveBy moveTo name navigator open opener outerHeight outerWidth pageXOffset
pageYOffset parent postMessage print prompt removeEventListener requestAnimationFrame
resizeBy resizeTo screen screenX screenY scroll scrollBy scrollTo scrollX scrollY self
sessionStorage setInterval setTimeout status top""".split() + EVENT_HANDLERS,
    "document": """URL activeElement addEventListener alinkColor all anchors applets bgColor body
characterSet close cookie createAttribute createComment createDocumentFragment createElement
createEvent createTextNode defaultView designMode dir documentElement domain embeds
execCommand fgColor forms getElementById getElementsByClassName getElementsByName
getElementsByTagName getSelection hasFocus head images implementation lastModified
linkColor links location open plugins querySelector querySelectorAll readyState referrer
removeEventListener scripts styleSheets title visibilityState vlinkColor write writeln""".split()
    + EVENT_HANDLERS,
    "navigator": """appCodeName appName appVersion clipboard cookieEnabled geolocation
hardwareConcurrency javaEnabled language languages maxTouchPoints mediaDevices onLine
platform plugins product sendBeacon serviceWorker share userAgent vendor""".split(),
    "location": """assign hash host hostname href origin pathname port protocol reload replace
search toString""".split(),
    "history": "back forward go length pushState replaceState scrollRestoration state".split(),
    "screen": "availHeight availLeft availTop availWidth colorDepth height orientation pixelDepth width".split(),
    "Math": """E LN10 LN2 LOG10E LOG2E PI SQRT1_2 SQRT2 abs acos acosh asin asinh atan atan2 atanh
cbrt ceil clz32 cos cosh exp expm1 floor fround hypot imul log log10 log1p log2 max min pow
random round sign sin sinh sqrt tan tanh trunc""".split(),
    "String": "fromCharCode fromCodePoint raw".split(),
    "Array": "from isArray of".split(),
    "Date": "UTC now parse".split(),
    "Number": """EPSILON MAX_SAFE_INTEGER MAX_VALUE MIN_SAFE_INTEGER MIN_VALUE NEGATIVE_INFINITY
NaN POSITIVE_INFINITY isFinite isInteger isNaN isSafeInteger parseFloat parseInt""".split(),
    "JSON": "parse stringify".split(),
    "console": """assert clear count countReset debug dir dirxml error group groupCollapsed groupEnd
info log table time timeEnd timeLog trace warn""".split(),
    "element": ELEMENT,
    "this": ELEMENT,
    "event": """altKey bubbles button buttons cancelBubble cancelable clientX clientY code
composedPath ctrlKey currentTarget defaultPrevented deltaX deltaY detail eventPhase
isTrusted key keyCode metaKey offsetX offsetY pageX pageY preventDefault relatedTarget
repeat returnValue screenX screenY shiftKey srcElement stopImmediatePropagation
stopPropagation target timeStamp type which""".split(),
}

TYPES = {
    "String": """at charAt charCodeAt codePointAt concat endsWith includes indexOf lastIndexOf
length localeCompare match matchAll normalize padEnd padStart repeat replace replaceAll
search slice split startsWith substr substring toLocaleLowerCase toLocaleUpperCase
toLowerCase toString toUpperCase trim trimEnd trimStart valueOf""".split(),
    "Array": """at concat copyWithin entries every fill filter find findIndex findLast
findLastIndex flat flatMap forEach includes indexOf join keys lastIndexOf length map pop
push reduce reduceRight reverse shift slice some sort splice toLocaleString toString
unshift values""".split(),
    "Date": """getDate getDay getFullYear getHours getMilliseconds getMinutes getMonth getSeconds
getTime getTimezoneOffset getUTCDate getUTCDay getUTCFullYear getUTCHours
getUTCMilliseconds getUTCMinutes getUTCMonth getUTCSeconds getYear setDate setFullYear
setHours setMilliseconds setMinutes setMonth setSeconds setTime setUTCDate setUTCFullYear
setUTCHours setUTCMilliseconds setUTCMinutes setUTCMonth setUTCSeconds setYear
toDateString toISOString toJSON toLocaleDateString toLocaleString toLocaleTimeString
toString toTimeString toUTCString valueOf""".split(),
    "RegExp": """dotAll exec flags global hasIndices ignoreCase lastIndex multiline source sticky
test toString unicode""".split(),
    "Image": """addEventListener align alt border complete crossOrigin currentSrc decode decoding
height hspace isMap loading longDesc name naturalHeight naturalWidth onabort onerror onload
referrerPolicy removeEventListener sizes src srcset style useMap vspace width""".split(),
    "XMLHttpRequest": """abort addEventListener getAllResponseHeaders getResponseHeader onabort
onerror onload onloadend onloadstart onprogress onreadystatechange ontimeout open
overrideMimeType readyState removeEventListener response responseText responseType
responseURL responseXML send setRequestHeader status statusText timeout upload
withCredentials""".split(),
    "Object": """constructor hasOwnProperty isPrototypeOf propertyIsEnumerable toLocaleString
toString valueOf""".split(),
}

PHP = """<?php ?> $_COOKIE $_ENV $_FILES $_GET $_POST $_REQUEST $_SERVER $_SESSION $GLOBALS $this
abstract addslashes array array_filter array_key_exists array_keys array_map array_merge
array_pop array_push array_search array_shift array_slice array_splice array_unique
array_values arsort as asort basename break case catch ceil chr class clone closedir
const continue count date declare default define defined die dirname do echo else elseif
empty enddeclare endfor endforeach endif endswitch endwhile exit explode extends fclose
feof fgets file file_exists file_get_contents file_put_contents final floor fopen for
foreach fread function fwrite global header htmlentities htmlspecialchars implements
implode in_array include include_once instanceof interface is_array is_numeric isset
json_decode json_encode ksort list mail max md5 min mkdir mktime namespace new nl2br
number_format opendir ord preg_match preg_replace print print_r printf private protected
public rand readdir require require_once return round rtrim serialize session_destroy
session_start setcookie sha1 sort sprintf static str_replace strip_tags stripslashes
strlen strpos strtolower strtotime strtoupper substr switch throw time trait trim try
ucfirst unlink unserialize unset urlencode use var var_dump while""".split()

VBSCRIPT = """And Call Case Const Dim Do Each Else ElseIf Empty End Erase Error Exit Explicit False
For Function If In Is Loop Mod New Next Not Nothing Null On Option Or Private Public
ReDim Rem Resume Select Set Step Sub Then To True Until Wend While With
Abs Array Asc CBool CDate CDbl CInt CLng CStr Chr Date DateAdd DateDiff DatePart Day
FormatCurrency FormatDateTime FormatNumber Hour InStr InStrRev InputBox Int IsArray
IsDate IsEmpty IsNull IsNumeric IsObject Join LCase LTrim Left Len Mid Minute Month
MsgBox Now RTrim Replace Right Rnd Round Second Space Split Sqr StrComp String Time
Timer Trim TypeName UBound UCase Weekday Year
Application Request Response Server Session Response.Write Response.Redirect Request.Form
Request.QueryString Request.Cookies Response.Cookies Server.CreateObject Server.MapPath
Server.URLEncode Server.HTMLEncode""".split()


def lines():
    out = []
    for tag in HTML4 + CURRENT:
        if tag in VOID:
            out.append(f"<{tag}>;/;htmltag")
        else:
            out.append(f"</{tag}>;/;htmltag")
        out.append(f"<{tag};/;htmltag")
    for tag in PAIRS:
        out.append(f"<{tag}></{tag}>;/;htmltag")
    out += [f"{a};/;htmlparam" for a in ATTRIBUTES]
    out += [f"{w};/;tscript" for w in TSCRIPT]
    for obj, members in OBJECTS.items():
        out += [f"{m};/;javascript.{obj}" for m in dict.fromkeys(members)]
    for typ, members in TYPES.items():
        out += [f"{m};/;typejavascript.{typ}" for m in dict.fromkeys(members)]
    out += [f"{w};/;userdefined" for w in dict.fromkeys(PHP + VBSCRIPT)]
    unique = list(dict.fromkeys(out))
    encoded = [line.encode("cp1250") for line in unique]
    encoded.sort()  # byte order, as the program saves the file
    return encoded


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    target = root / "data" / "Data" / "Codefiller" / "tags.vcq"
    target.parent.mkdir(parents=True, exist_ok=True)
    encoded = lines()
    target.write_bytes(b"".join(line + b"\r\n" for line in encoded))
    print(f"{target}: {len(encoded)} lines")


if __name__ == "__main__":
    main()

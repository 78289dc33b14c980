#!/usr/bin/env python3
"""Writes the tag inspector's data files under data/Data/.

Each element gets one definition file listing its attributes as the HTML
standards define them (HTML 4.01 and current HTML), each with its editor:
  text NAME                 free text
  checkbox NAME             boolean attribute (also listed in checkindex.if)
  button NAME,DIALOG        file or address with a "..." dialog
  combo NAME,A,B,...        enumerated values; [<barva>] colours, [<font>] fonts

Run from the repository root:  python3 scripts/make_taginsp_data.py
"""
import os

OUT = os.path.join("data", "Data", "Taginspektor")

# Shorthands: t: text, c: checkbox, b: button (name:dialog), o: combo
# (name:v1|v2), k: colour combo, f: font combo.
DIR = "o:dir:ltr|rtl|auto"
CORE = ["t:id", "t:class", "t:style", "t:title"]
I18N = ["t:lang", DIR]
EVENTS = ["t:onclick", "t:ondblclick", "t:onmousedown", "t:onmouseup", "t:onmouseover",
          "t:onmousemove", "t:onmouseout", "t:onkeypress", "t:onkeydown", "t:onkeyup"]
ATTRS = CORE + I18N + EVENTS
# Attributes every element has in current HTML.
MODERN = ["t:accesskey", "t:tabindex", "c:hidden", "o:contenteditable:true|false|plaintext-only",
          "o:draggable:true|false", "o:spellcheck:true|false", "o:translate:yes|no",
          "c:inert", "o:inputmode:none|text|decimal|numeric|tel|search|email|url"]
GLOBAL5 = CORE + I18N + MODERN + EVENTS
FOCUS = ["t:onfocus", "t:onblur"]

ALIGN_IMG = "left|right|top|middle|bottom|baseline|texttop|absmiddle|absbottom"
ALIGN_BLOCK = "left|center|right|justify"
ALIGN_TABLE = "left|center|right"
ALIGN_CELL = "left|center|right|justify|char"
VALIGN = "top|middle|bottom|baseline"
ALIGN_SIDE = "top|bottom|left|right"
TARGET = "_blank|_self|_parent|_top"
SHAPE = "rect|circle|poly|default"
CROSSORIGIN = "anonymous|use-credentials"
REFERRER = ("no-referrer|no-referrer-when-downgrade|origin|origin-when-cross-origin|"
            "same-origin|strict-origin|strict-origin-when-cross-origin|unsafe-url")
CHARSET = "utf-8|windows-1250|iso-8859-2|iso-8859-1|windows-1252"
INPUT_TYPES = ("text|password|checkbox|radio|submit|reset|file|hidden|image|button|color|date|"
               "datetime-local|email|month|number|range|search|tel|time|url|week")
AUTOCOMPLETE = ("on|off|name|email|username|new-password|current-password|one-time-code|tel|"
                "street-address|postal-code|country|organization|bday|cc-number")
ENCTYPE = "application/x-www-form-urlencoded|multipart/form-data|text/plain"
FONT_SIZE = "1|2|3|4|5|6|7|+1|+2|+3|+4|-1|-2|-3"
PRELOAD = "none|metadata|auto"
LOADING = "lazy|eager"
MEDIA = "all|screen|print|speech|screen and (max-width: 600px)|handheld|projection|tv"
LINK_REL = ("stylesheet|icon|alternate|author|canonical|help|license|manifest|next|prev|"
            "preload|prefetch|preconnect|dns-prefetch|modulepreload|search|start|contents|index|"
            "glossary|copyright|chapter|section|subsection|appendix|bookmark")
A_REL = ("alternate|author|bookmark|external|help|license|next|nofollow|noopener|noreferrer|"
         "prev|search|tag")
SANDBOX = ("allow-forms|allow-modals|allow-popups|allow-same-origin|allow-scripts|"
           "allow-top-navigation|allow-downloads")
FORM_OVERRIDES = ["b:formaction:openhtml", "o:formenctype:" + ENCTYPE,
                  "o:formmethod:get|post|dialog", "c:formnovalidate", "o:formtarget:" + TARGET]
CELL = ["o:align:" + ALIGN_CELL, "o:valign:" + VALIGN, "t:width", "t:height", "k:bgcolor",
        "t:colspan", "t:rowspan", "c:nowrap", "b:background:picturedialog", "t:abbr", "t:axis",
        "t:headers", "o:scope:row|col|rowgroup|colgroup", "t:char", "t:charoff"]

E = {}
# --- HTML 4.01 -------------------------------------------------------------
E["a"] = ["b:href:openhtml", "t:name", "o:target:" + TARGET, "o:rel:" + A_REL, "o:rev:" + A_REL,
          "t:hreflang", "t:type", "t:download", "t:ping", "o:referrerpolicy:" + REFERRER,
          "o:charset:" + CHARSET, "o:shape:" + SHAPE, "t:coords", "t:accesskey", "t:tabindex"
          ] + ATTRS + FOCUS
E["abbr"] = ATTRS
E["acronym"] = ATTRS
E["address"] = ATTRS
E["applet"] = ["t:code", "t:codebase", "t:archive", "t:object", "t:name", "t:width", "t:height",
               "t:alt", "o:align:" + ALIGN_IMG, "t:hspace", "t:vspace"] + CORE
E["area"] = ["o:shape:" + SHAPE, "t:coords", "b:href:openhtml", "c:nohref", "t:alt",
             "o:target:" + TARGET, "t:download", "o:rel:" + A_REL, "t:ping",
             "o:referrerpolicy:" + REFERRER, "t:accesskey", "t:tabindex"] + ATTRS + FOCUS
E["b"] = ATTRS
E["base"] = ["b:href:openhtml", "o:target:" + TARGET]
E["basefont"] = ["o:size:" + FONT_SIZE, "k:color", "f:face", "t:id"]
E["bdo"] = ["o:dir:ltr|rtl", "t:lang"] + CORE
E["big"] = ATTRS
E["blockquote"] = ["b:cite:openhtml"] + ATTRS
E["body"] = ["b:background:picturedialog", "k:bgcolor", "k:text", "k:link", "k:vlink",
             "k:alink", "t:onload", "t:onunload", "t:onbeforeunload", "t:onresize",
             "t:onhashchange", "t:leftmargin", "t:topmargin", "t:marginwidth",
             "t:marginheight"] + ATTRS
E["br"] = ["o:clear:none|left|right|all"] + CORE
E["button"] = ["t:name", "t:value", "o:type:submit|reset|button", "c:disabled", "c:autofocus",
               "t:form", "t:popovertarget", "t:accesskey", "t:tabindex"] + FORM_OVERRIDES + ATTRS + FOCUS
E["caption"] = ["o:align:" + ALIGN_SIDE] + ATTRS
E["center"] = ATTRS
E["cite"] = ATTRS
E["code"] = ATTRS
E["col"] = ["t:span", "t:width", "o:align:" + ALIGN_CELL, "t:char", "t:charoff",
            "o:valign:" + VALIGN] + ATTRS
E["colgroup"] = list(E["col"])
E["dd"] = ATTRS
E["del"] = ["b:cite:openhtml", "t:datetime"] + ATTRS
E["dfn"] = ATTRS
E["dir"] = ["c:compact"] + ATTRS
E["div"] = ["o:align:" + ALIGN_BLOCK] + ATTRS
E["dl"] = ["c:compact"] + ATTRS
E["dt"] = ATTRS
E["em"] = ATTRS
E["fieldset"] = ["t:name", "c:disabled", "t:form"] + ATTRS
E["font"] = ["o:size:" + FONT_SIZE, "k:color", "f:face"] + CORE + I18N
E["form"] = ["b:action:openhtml", "o:method:get|post|dialog", "o:enctype:" + ENCTYPE, "t:name",
             "o:target:" + TARGET, "t:accept-charset", "t:accept", "o:autocomplete:on|off",
             "c:novalidate", "o:rel:" + A_REL, "t:onsubmit", "t:onreset"] + ATTRS
E["frame"] = ["b:src:openhtml", "t:name", "o:scrolling:auto|yes|no", "o:frameborder:1|0",
              "c:noresize", "t:marginwidth", "t:marginheight", "b:longdesc:openhtml"] + CORE
E["frameset"] = ["t:rows", "t:cols", "o:frameborder:1|0", "t:border", "k:bordercolor",
                 "t:framespacing", "t:onload", "t:onunload"] + CORE
for n in range(1, 7):
    E["h%d" % n] = ["o:align:" + ALIGN_BLOCK] + ATTRS
E["head"] = ["t:profile"] + I18N
E["hr"] = ["o:align:left|center|right", "c:noshade", "t:size", "t:width"] + CORE + EVENTS
E["html"] = ["t:lang", DIR, "t:version", "t:xmlns", "t:manifest"]
E["i"] = ATTRS
E["iframe"] = ["b:src:openhtml", "t:name", "t:width", "t:height", "o:scrolling:auto|yes|no",
               "o:frameborder:1|0", "o:align:" + ALIGN_IMG, "t:marginwidth", "t:marginheight",
               "t:srcdoc", "o:sandbox:" + SANDBOX, "t:allow", "c:allowfullscreen",
               "o:loading:" + LOADING, "o:referrerpolicy:" + REFERRER,
               "b:longdesc:openhtml"] + CORE
E["img"] = ["b:src:picturedialog", "t:alt", "t:width", "t:height", "t:border",
            "o:align:" + ALIGN_IMG, "t:hspace", "t:vspace", "t:usemap", "c:ismap", "t:name",
            "t:srcset", "t:sizes", "o:loading:" + LOADING, "o:decoding:sync|async|auto",
            "o:fetchpriority:high|low|auto", "o:crossorigin:" + CROSSORIGIN,
            "o:referrerpolicy:" + REFERRER, "b:longdesc:openhtml", "b:lowsrc:picturedialog",
            "t:onload", "t:onerror"] + ATTRS
E["input"] = ["o:type:" + INPUT_TYPES, "t:name", "t:value", "t:size", "t:maxlength",
              "t:minlength", "c:checked", "c:disabled", "c:readonly", "c:required",
              "c:multiple", "c:autofocus", "t:placeholder", "t:pattern", "t:min", "t:max",
              "t:step", "t:list", "t:form", "o:autocomplete:" + AUTOCOMPLETE,
              "t:accept", "b:src:picturedialog", "t:alt", "t:width", "t:height",
              "o:align:" + ALIGN_IMG, "t:usemap", "c:ismap", "t:dirname",
              "o:capture:user|environment", "t:popovertarget",
              "o:enterkeyhint:enter|done|go|next|previous|search|send",
              "t:accesskey", "t:tabindex"] + FORM_OVERRIDES + ATTRS + FOCUS + [
              "t:onselect", "t:onchange", "t:oninput"]
E["ins"] = ["b:cite:openhtml", "t:datetime"] + ATTRS
E["isindex"] = ["t:prompt", "b:action:openhtml"] + CORE + I18N
E["kbd"] = ATTRS
E["label"] = ["t:for", "t:form", "t:accesskey"] + ATTRS + FOCUS
E["legend"] = ["o:align:" + ALIGN_SIDE, "t:accesskey"] + ATTRS
E["li"] = ["o:type:disc|square|circle|1|a|A|i|I", "t:value"] + ATTRS
E["link"] = ["b:href:openhtml", "o:rel:" + LINK_REL, "o:rev:" + LINK_REL,
             "o:type:text/css|image/x-icon|image/png|image/svg+xml|application/rss+xml|application/atom+xml",
             "o:media:" + MEDIA, "t:hreflang", "o:charset:" + CHARSET, "o:target:" + TARGET,
             "t:sizes", "o:as:script|style|font|image|fetch|document|audio|video|track|worker",
             "o:crossorigin:" + CROSSORIGIN, "t:integrity", "o:referrerpolicy:" + REFERRER,
             "c:disabled", "o:fetchpriority:high|low|auto", "t:imagesrcset", "t:imagesizes",
             "t:color"] + ATTRS
# MAP: the map name first (the map editor reads it from the first row).
E["map"] = ["t:name", "b:[mapa],openmapedit"] + ATTRS
E["menu"] = ["c:compact"] + ATTRS
E["meta"] = ["o:name:description|keywords|author|generator|robots|viewport|application-name|"
             "referrer|theme-color|color-scheme|copyright|rating",
             "o:http-equiv:content-type|refresh|default-style|content-language|"
             "content-security-policy|expires|pragma|set-cookie|x-ua-compatible",
             "t:content", "o:charset:" + CHARSET, "t:scheme", "o:media:" + MEDIA] + I18N
E["noframes"] = ATTRS
E["noscript"] = ATTRS
E["object"] = ["b:data:openhtml", "t:type", "t:classid", "t:codebase", "t:codetype",
               "t:archive", "c:declare", "t:standby", "t:name", "t:width", "t:height",
               "t:usemap", "o:align:" + ALIGN_IMG, "t:border", "t:hspace", "t:vspace",
               "t:form", "t:tabindex"] + ATTRS
E["ol"] = ["o:type:1|a|A|i|I", "t:start", "c:reversed", "c:compact"] + ATTRS
E["optgroup"] = ["t:label", "c:disabled"] + ATTRS
E["option"] = ["t:value", "c:selected", "c:disabled", "t:label"] + ATTRS
E["p"] = ["o:align:" + ALIGN_BLOCK] + ATTRS
E["param"] = ["t:name", "t:value", "o:valuetype:data|ref|object", "t:type", "t:id"]
E["pre"] = ["t:width"] + ATTRS
E["q"] = ["b:cite:openhtml"] + ATTRS
E["s"] = ATTRS
E["samp"] = ATTRS
E["script"] = ["b:src:openjavascript",
               "o:type:text/javascript|module|importmap|application/ld+json|text/vbscript",
               "o:language:JavaScript|VBScript|JScript", "c:async", "c:defer", "c:nomodule",
               "o:charset:" + CHARSET, "o:crossorigin:" + CROSSORIGIN, "t:integrity",
               "o:referrerpolicy:" + REFERRER, "o:fetchpriority:high|low|auto", "t:nonce",
               "t:event", "t:for"]
E["select"] = ["t:name", "t:size", "c:multiple", "c:disabled", "c:required", "c:autofocus",
               "t:form", "o:autocomplete:" + AUTOCOMPLETE, "t:tabindex"] + ATTRS + FOCUS + ["t:onchange"]
E["small"] = ATTRS
E["span"] = ATTRS
E["strike"] = ATTRS
E["strong"] = ATTRS
E["style"] = ["o:type:text/css", "o:media:" + MEDIA, "t:title", "t:nonce", "o:blocking:render"] + I18N
E["sub"] = ATTRS
E["sup"] = ATTRS
E["table"] = ["t:width", "t:border", "t:cellspacing", "t:cellpadding", "o:align:" + ALIGN_TABLE,
              "k:bgcolor", "b:background:picturedialog", "t:summary",
              "o:frame:void|above|below|hsides|lhs|rhs|vsides|box|border",
              "o:rules:none|groups|rows|cols|all", "t:height", "k:bordercolor"] + ATTRS
for n in ("tbody", "tfoot", "thead"):
    E[n] = ["o:align:" + ALIGN_CELL, "t:char", "t:charoff", "o:valign:" + VALIGN, "k:bgcolor"] + ATTRS
E["td"] = CELL + ATTRS
E["th"] = CELL + ATTRS
E["textarea"] = ["t:name", "t:rows", "t:cols", "c:disabled", "c:readonly", "c:required",
                 "c:autofocus", "t:placeholder", "t:maxlength", "t:minlength",
                 "o:wrap:soft|hard|off", "t:form", "o:autocomplete:" + AUTOCOMPLETE,
                 "t:dirname", "t:accesskey", "t:tabindex"] + ATTRS + FOCUS + [
                 "t:onselect", "t:onchange", "t:oninput"]
E["title"] = I18N
E["tr"] = ["o:align:" + ALIGN_CELL, "t:char", "t:charoff", "o:valign:" + VALIGN,
           "k:bgcolor"] + ATTRS
E["tt"] = ATTRS
E["u"] = ATTRS
E["ul"] = ["o:type:disc|square|circle", "c:compact"] + ATTRS
E["var"] = ATTRS

HTML4 = """A ABBR ACRONYM ADDRESS APPLET AREA B BASE BASEFONT BDO BIG BLOCKQUOTE BODY BR
BUTTON CAPTION CENTER CITE CODE COL COLGROUP DD DEL DFN DIR DIV DL DT EM FIELDSET FONT FORM
FRAME FRAMESET H1 H2 H3 H4 H5 H6 HEAD HR HTML I IFRAME IMG INPUT INS ISINDEX KBD LABEL LEGEND
LI LINK MAP MENU META NOFRAMES NOSCRIPT OBJECT OL OPTGROUP OPTION P PARAM PRE Q S SAMP SCRIPT
SELECT SMALL SPAN STRIKE STRONG STYLE SUB SUP TABLE TBODY TD TEXTAREA TFOOT TH THEAD TITLE TR
TT U UL VAR""".split()

# --- Current HTML -----------------------------------------------------------
MEDIA_ELEMENT = ["c:autoplay", "c:controls", "c:loop", "c:muted", "o:preload:" + PRELOAD,
                 "o:crossorigin:" + CROSSORIGIN, "t:controlslist"]
E5 = {}
for n in ("article", "aside", "bdi", "datalist", "figcaption", "figure", "footer", "header",
          "main", "mark", "nav", "picture", "section", "summary", "wbr"):
    E5[n] = []
E5["template"] = ["o:shadowrootmode:open|closed"]
E5["audio"] = ["b:src:opensound"] + MEDIA_ELEMENT + ["t:onplay", "t:onpause", "t:onended"]
E5["video"] = ["b:src:openhtml", "b:poster:picturedialog", "t:width", "t:height"] + MEDIA_ELEMENT + [
    "c:playsinline", "c:disablepictureinpicture", "t:onplay", "t:onpause", "t:onended"]
E5["canvas"] = ["t:width", "t:height"]
E5["data"] = ["t:value"]
E5["details"] = ["c:open", "t:name", "t:ontoggle"]
E5["dialog"] = ["c:open", "t:onclose", "t:oncancel"]
E5["embed"] = ["b:src:openhtml", "t:type", "t:width", "t:height"]
E5["meter"] = ["t:value", "t:min", "t:max", "t:low", "t:high", "t:optimum"]
E5["output"] = ["t:for", "t:form", "t:name"]
E5["progress"] = ["t:value", "t:max"]
E5["source"] = ["b:src:openhtml", "t:type", "t:srcset", "t:sizes", "o:media:" + MEDIA,
                "t:width", "t:height"]
E5["time"] = ["t:datetime"]
E5["track"] = ["b:src:openhtml", "o:kind:subtitles|captions|descriptions|chapters|metadata",
               "t:srclang", "t:label", "c:default"]
HTML5 = """ARTICLE ASIDE AUDIO BDI CANVAS DATA DATALIST DETAILS DIALOG EMBED FIGCAPTION FIGURE
FOOTER HEADER MAIN MARK METER NAV OUTPUT PICTURE PROGRESS SECTION SOURCE SUMMARY TEMPLATE
TIME TRACK VIDEO WBR""".split()
# Elements with no content of their own take no pointer or key events in practice.
QUIET = {"source", "track", "wbr", "template", "datalist"}
for name, own in E5.items():
    globals5 = CORE + I18N + MODERN + ([] if name in QUIET else EVENTS)
    E[name] = own + globals5


def line(token):
    kind, rest = token[0], token[2:]
    if kind == "t":
        return "text " + rest
    if kind == "c":
        return "checkbox " + rest
    if kind == "b":
        name, dialog = rest.split(":") if ":" in rest else rest.split(",")
        return "button %s,%s" % (name, dialog)
    if kind == "o":
        name, values = rest.split(":", 1)
        return "combo %s,%s" % (name, ",".join(values.split("|")))
    if kind == "k":
        return "combo %s,[<barva>]" % rest
    if kind == "f":
        return "combo %s,[<font>]" % rest
    raise ValueError(token)


def write(path, lines):
    with open(path, "w", encoding="cp1250", newline="") as f:
        f.write("".join(l + "\r\n" for l in lines))


def main():
    os.makedirs(OUT, exist_ok=True)
    names = [n.lower() for n in HTML4 + HTML5]
    assert sorted(names) == sorted(E), set(names) ^ set(E)
    checks = []
    for name in names:
        rows, seen = [], set()
        for token in E[name]:
            attr = token[2:].split(":")[0].split(",")[0]
            if attr in seen:
                continue  # an attribute listed by both the element and a group
            seen.add(attr)
            rows.append(line(token))
            if token[0] == "c" and attr not in checks:
                checks.append(attr)
        write(os.path.join(OUT, name + ".if"), rows)
    write(os.path.join(OUT, "index.if"), names)
    write(os.path.join(OUT, "checkindex.if"), sorted(checks))
    write(os.path.join("data", "Data", "basefonts.dat"), [
        "Arial", "Arial Black", "Comic Sans MS", "Courier New", "Georgia", "Impact",
        "Lucida Console", "Palatino Linotype", "Tahoma", "Times New Roman", "Trebuchet MS",
        "Verdana", "serif", "sans-serif", "monospace", "cursive", "fantasy"])


if __name__ == "__main__":
    main()

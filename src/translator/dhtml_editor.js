// The visual editor's side of the HTML Translator. The page is in design
// mode; this script runs the numbered editing commands, keeps its own undo
// steps (the table commands change the DOM directly, which the browser's
// undo does not see) and pushes the editor's state to the program after
// every change of the text or the selection.
(function () {
    'use strict';
    if (window.vellomyEditor)
        return;

    const NOT_AVAILABLE = 1, ENABLED = 3, LATCHED = 7;
    const VOID_ELEMENTS = new Set(['AREA', 'BASE', 'BR', 'COL', 'EMBED', 'HR', 'IMG', 'INPUT',
                                   'LINK', 'META', 'PARAM', 'SOURCE', 'TRACK', 'WBR']);
    const RAW_TEXT = new Set(['SCRIPT', 'STYLE']);
    // Attribute names as the program wrote them; the DOM keeps them in lower case.
    const writtenNames = new Map();

    let bridge = null;
    let pushPending = false;
    const undoSteps = [];
    let lastInputType = '';
    let lastInputTime = 0;

    document.designMode = 'on';
    try {
        document.execCommand('styleWithCSS', false, false);
    } catch (e) { /* older engines know only the markup form */ }

    // Empty cells stay visible and clickable; the sheet is not part of the
    // document, so it never reaches the code.
    try {
        const sheet = new CSSStyleSheet();
        sheet.replaceSync('td, th { min-width: 16px; height: 18px; outline: 1px dotted #b0b0b0; }'
                          + ' body { min-height: 95vh; }');
        document.adoptedStyleSheets = [sheet];
    } catch (e) { /* no constructable sheets: cells are just narrower */ }

    // ---- Serialising as the original control did: upper-case element
    // names, STRONG and EM, unquoted simple values.
    function escapeText(text) {
        return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
            .replace(/\u00a0/g, '&nbsp;');
    }

    function attributeText(attr) {
        const name = writtenNames.get(attr.name) || attr.name;
        const value = attr.value;
        if (/^[A-Za-z0-9_\-.#%]+$/.test(value))
            return ' ' + name + '=' + value;
        return ' ' + name + '="' + value.replace(/&/g, '&amp;').replace(/"/g, '&quot;')
            .replace(/\u00a0/g, '&nbsp;') + '"';
    }

    function elementName(el) {
        const name = el.tagName.toUpperCase();
        if (name === 'B')
            return 'STRONG';
        if (name === 'I')
            return 'EM';
        return name;
    }

    // Block elements start on a line of their own and containers end on
    // one, as the original control wrote them, so the code reads line by line.
    const BREAK_BEFORE = new Set(['P', 'DIV', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'TABLE', 'CAPTION',
                                  'THEAD', 'TBODY', 'TFOOT', 'TR', 'TD', 'TH', 'UL', 'OL', 'LI', 'DL',
                                  'DT', 'DD', 'BLOCKQUOTE', 'PRE', 'HR', 'CENTER', 'ADDRESS', 'FORM']);
    const BREAK_BEFORE_END = new Set(['TABLE', 'THEAD', 'TBODY', 'TFOOT', 'TR', 'UL', 'OL', 'DL']);
    const CONTAINERS = new Set(['BODY', 'TABLE', 'THEAD', 'TBODY', 'TFOOT', 'TR', 'UL', 'OL', 'DL']);

    function isBlock(node) {
        return node && node.nodeType === Node.ELEMENT_NODE && BREAK_BEFORE.has(node.tagName.toUpperCase());
    }

    function insidePre(node) {
        for (let n = node; n; n = n.parentNode) {
            if (n.nodeType === Node.ELEMENT_NODE && n.tagName.toUpperCase() === 'PRE')
                return true;
        }
        return false;
    }

    // Line breaks between blocks are the serialiser's own: the white space
    // the page holds there is dropped, so code pushed and pulled again does
    // not gain empty lines.
    function layoutWhitespace(node, parent) {
        if (!/^[ \t\r\n]*$/.test(node.data) || (parent && insidePre(parent)))
            return false;
        return (parent && CONTAINERS.has(parent.tagName.toUpperCase()))
            || isBlock(node.previousSibling) || isBlock(node.nextSibling);
    }

    function serializeChildren(node) {
        let out = '';
        for (const child of node.childNodes)
            out += serializeNode(child, node);
        return out;
    }

    function serializeNode(node, parent) {
        switch (node.nodeType) {
        case Node.TEXT_NODE:
            if (parent && RAW_TEXT.has(parent.tagName.toUpperCase()))
                return node.data;
            if (layoutWhitespace(node, parent))
                return '';
            return escapeText(node.data).replace(/\r?\n/g, '\r\n');
        case Node.COMMENT_NODE:
            return '<!--' + node.data + '-->';
        case Node.ELEMENT_NODE: {
            const name = elementName(node);
            const pre = insidePre(node.parentNode);
            let out = (BREAK_BEFORE.has(name) && !pre ? '\r\n' : '') + '<' + name;
            for (const attr of node.attributes)
                out += attributeText(attr);
            out += '>';
            if (VOID_ELEMENTS.has(name))
                return out;
            const end = (BREAK_BEFORE_END.has(name) && !pre ? '\r\n' : '') + '</' + name + '>';
            return out + serializeChildren(node) + end;
        }
        default:
            return '';
        }
    }

    function documentHtml() {
        const head = document.head ? serializeChildren(document.head) : '';
        const body = document.body;
        let bodyTag = '<BODY';
        if (body) {
            for (const attr of body.attributes) {
                if (attr.name !== 'contenteditable')
                    bodyTag += attributeText(attr);
            }
        }
        bodyTag += '>';
        return '<HTML><HEAD>' + head + '</HEAD>' + bodyTag + (body ? serializeChildren(body) : '')
            + '</BODY></HTML>';
    }

    // ---- Selection and tables.
    function selectionRange() {
        const sel = window.getSelection();
        if (!sel || sel.rangeCount === 0 || !document.body)
            return null;
        const range = sel.getRangeAt(0);
        if (!document.body.contains(range.commonAncestorContainer)
            && range.commonAncestorContainer !== document.body)
            return null;
        return range;
    }

    function closestCell(node) {
        while (node && node !== document.body) {
            if (node.nodeType === Node.ELEMENT_NODE && (node.tagName === 'TD' || node.tagName === 'TH'))
                return node;
            node = node.parentNode;
        }
        return null;
    }

    function currentCell() {
        const range = selectionRange();
        return range ? closestCell(range.startContainer) : null;
    }

    // The cells the selection touches within the current cell's row.
    function selectedCellsInRow() {
        const range = selectionRange();
        const first = range ? closestCell(range.startContainer) : null;
        if (!first)
            return [];
        const last = closestCell(range.endContainer);
        const cells = [first];
        if (last && last !== first && last.parentNode === first.parentNode) {
            let c = first.nextElementSibling;
            while (c) {
                cells.push(c);
                if (c === last)
                    break;
                c = c.nextElementSibling;
            }
        }
        return cells;
    }

    function span(cell) {
        return Math.max(1, parseInt(cell.getAttribute('colspan') || '1', 10) || 1);
    }

    function columnIndex(cell) {
        let index = 0;
        for (let c = cell.parentNode.firstElementChild; c && c !== cell; c = c.nextElementSibling)
            index += span(c);
        return index;
    }

    function cellCoveringColumn(row, column) {
        let index = 0;
        for (let c = row.firstElementChild; c; c = c.nextElementSibling) {
            if (column < index + span(c))
                return c;
            index += span(c);
        }
        return null;
    }

    function tableOf(cell) {
        let t = cell.parentNode;
        while (t && t.tagName !== 'TABLE')
            t = t.parentNode;
        return t;
    }

    function rowsOf(table) {
        return Array.from(table.rows);
    }

    function newCell(like) {
        return document.createElement(like && like.tagName === 'TH' ? 'TH' : 'TD');
    }

    function placeCaretIn(node) {
        const sel = window.getSelection();
        const range = document.createRange();
        range.selectNodeContents(node);
        range.collapse(true);
        sel.removeAllRanges();
        sel.addRange(range);
    }

    function removeIfEmpty(row) {
        if (row.cells.length > 0)
            return;
        const table = tableOf(row);
        row.remove();
        if (table && table.rows.length === 0)
            table.remove();
    }

    const tableCommands = {
        5021(cell) { // insert row above the current one
            const row = cell.parentNode;
            const fresh = document.createElement('TR');
            let columns = 0;
            for (const c of row.cells)
                columns += span(c);
            for (let i = 0; i < columns; ++i)
                fresh.appendChild(newCell(cell));
            row.parentNode.insertBefore(fresh, row);
            placeCaretIn(fresh.cells[columnIndex(cell)] || fresh.cells[0]);
        },
        5020(cell) { // insert column left of the current one
            const column = columnIndex(cell);
            for (const row of rowsOf(tableOf(cell))) {
                const at = cellCoveringColumn(row, column);
                row.insertBefore(newCell(at || cell), at);
            }
        },
        5019(cell) { // insert cell before the current one
            cell.parentNode.insertBefore(newCell(cell), cell);
        },
        5007(cell) { // delete the rows of the selected cells
            const range = selectionRange();
            const last = closestCell(range.endContainer) || cell;
            const table = tableOf(cell);
            const rows = rowsOf(table);
            const from = rows.indexOf(cell.parentNode), to = rows.indexOf(last.parentNode);
            const lo = Math.min(from, to < 0 ? from : to), hi = Math.max(from, to);
            for (let i = hi; i >= lo; --i)
                rows[i].remove();
            if (table.rows.length === 0)
                table.remove();
        },
        5006(cell) { // delete the current column
            const column = columnIndex(cell);
            const table = tableOf(cell);
            for (const row of rowsOf(table)) {
                const at = cellCoveringColumn(row, column);
                if (!at)
                    continue;
                if (span(at) > 1)
                    at.setAttribute('colspan', String(span(at) - 1));
                else
                    at.remove();
                removeIfEmpty(row);
            }
        },
        5005() { // delete the selected cells
            for (const c of selectedCellsInRow()) {
                const row = c.parentNode;
                c.remove();
                removeIfEmpty(row);
            }
        },
        5029(cell) { // merge the selected cells, or the current with the next
            let cells = selectedCellsInRow();
            if (cells.length < 2 && cell.nextElementSibling)
                cells = [cell, cell.nextElementSibling];
            if (cells.length < 2)
                return;
            const target = cells[0];
            let total = span(target);
            for (const c of cells.slice(1)) {
                total += span(c);
                if (c.textContent.trim() !== '' || c.querySelector('img,table')) {
                    while (c.firstChild)
                        target.appendChild(c.firstChild);
                }
                c.remove();
            }
            target.setAttribute('colspan', String(total));
            placeCaretIn(target);
        },
        5047(cell) { // split: a merged cell gives back one column, a plain one becomes two
            if (span(cell) > 1) {
                const rest = span(cell) - 1;
                if (rest > 1)
                    cell.setAttribute('colspan', String(rest));
                else
                    cell.removeAttribute('colspan');
            }
            cell.parentNode.insertBefore(newCell(cell), cell.nextSibling);
        },
    };

    function canMerge(cell) {
        return cell && (cell.nextElementSibling !== null || selectedCellsInRow().length > 1);
    }

    // ---- Undo steps: whole body snapshots, taken before each command and
    // at the start of each run of typing.
    function snapshot() {
        if (!document.body)
            return;
        undoSteps.push(document.body.innerHTML);
        if (undoSteps.length > 100)
            undoSteps.shift();
    }

    function undo() {
        if (undoSteps.length === 0 || !document.body)
            return;
        document.body.innerHTML = undoSteps.pop();
        const range = document.createRange();
        range.selectNodeContents(document.body);
        range.collapse(false);
        const sel = window.getSelection();
        sel.removeAllRanges();
        sel.addRange(range);
        lastInputType = '';
    }

    // ---- Alignment is kept as the align attribute, as the original
    // control wrote it, not as a style.
    function alignToAttributes() {
        if (!document.body)
            return;
        for (const el of document.body.querySelectorAll('[style]')) {
            const align = el.style.textAlign;
            if (!align)
                continue;
            el.style.textAlign = '';
            if (align !== 'start')
                el.setAttribute('align', align);
            if (!el.getAttribute('style'))
                el.removeAttribute('style');
        }
    }

    function colourText(value) {
        const m = /^rgba?\((\d+),\s*(\d+),\s*(\d+)/.exec(value || '');
        if (!m)
            return value || '';
        const hex = (n) => ('0' + parseInt(n, 10).toString(16)).slice(-2);
        return ('#' + hex(m[1]) + hex(m[2]) + hex(m[3])).toUpperCase();
    }

    function firstFamily(value) {
        return (value || '').split(',')[0].trim().replace(/^["']|["']$/g, '');
    }

    const nativeCommands = {
        5000: 'bold', 5023: 'italic', 5048: 'underline',
        5024: 'justifyCenter', 5025: 'justifyLeft', 5026: 'justifyRight',
        5044: 'fontName', 5045: 'fontSize', 5046: 'foreColor', 5004: 'delete',
    };
    const latching = new Set([5000, 5023, 5048, 5024, 5025, 5026]);

    function status(command) {
        const range = selectionRange();
        if (command === 5049)
            return undoSteps.length > 0 ? ENABLED : NOT_AVAILABLE;
        if (command === 5035)
            return ENABLED;
        if (!range)
            return NOT_AVAILABLE;
        const cell = closestCell(range.startContainer);
        switch (command) {
        case 5002: case 5003: case 5004:
            return range.collapsed ? NOT_AVAILABLE : ENABLED;
        case 5005: case 5006: case 5007: case 5019: case 5020: case 5021: case 5047:
            return cell ? ENABLED : NOT_AVAILABLE;
        case 5029:
            return canMerge(cell) ? ENABLED : NOT_AVAILABLE;
        case 5013: case 5014: case 5015: case 5017: case 5022: case 5032:
        case 5044: case 5045: case 5046:
            return ENABLED;
        default:
            if (latching.has(command)) {
                try {
                    return document.queryCommandState(nativeCommands[command]) ? LATCHED : ENABLED;
                } catch (e) {
                    return NOT_AVAILABLE;
                }
            }
            return 0;
        }
    }

    const reported = [5000, 5002, 5003, 5004, 5005, 5006, 5007, 5013, 5014, 5015, 5017, 5019, 5020,
                      5021, 5022, 5023, 5024, 5025, 5026, 5029, 5032, 5035, 5044, 5045, 5046, 5047,
                      5048, 5049];

    function state() {
        const statuses = {};
        for (const c of reported)
            statuses[c] = status(c);
        let fontName = '', fontSize = '', foreColor = '';
        if (selectionRange()) {
            try {
                fontName = firstFamily(document.queryCommandValue('fontName'));
                fontSize = String(document.queryCommandValue('fontSize') || '');
                foreColor = colourText(document.queryCommandValue('foreColor'));
            } catch (e) { /* values stay empty */ }
        }
        return { html: documentHtml(), status: statuses, fontName: fontName, fontSize: fontSize,
                 foreColor: foreColor };
    }

    function pushNow() {
        pushPending = false;
        if (bridge)
            bridge.pushState(JSON.stringify(state()));
    }

    function schedulePush() {
        if (pushPending)
            return;
        pushPending = true;
        setTimeout(pushNow, 0);
    }

    function insertTable(param) {
        const rows = Math.max(0, parseInt(param.NumRows, 10) || 0);
        const cols = Math.max(0, parseInt(param.NumCols, 10) || 0);
        let attrs = '';
        for (const m of String(param.TableAttrs || '').matchAll(/([A-Za-z_:][-A-Za-z0-9_:.]*)\s*=\s*("[^"]*"|'[^']*'|[^\s"'>]+)/g)) {
            const name = m[1];
            writtenNames.set(name.toLowerCase(), name);
            const value = m[2].replace(/^["']|["']$/g, '');
            attrs += ' ' + name + '="' + value.replace(/&/g, '&amp;').replace(/"/g, '&quot;') + '"';
        }
        let html = '<table' + attrs + '><tbody>';
        for (let r = 0; r < rows; ++r)
            html += '<tr>' + '<td></td>'.repeat(cols) + '</tr>';
        html += '</tbody></table>';
        document.execCommand('insertHTML', false, html);
    }

    function exec(command, argument) {
        if (status(command) !== ENABLED && !(latching.has(command) && status(command) === LATCHED))
            return;
        if (command === 5049) {
            undo();
        } else if (command === 5035) {
            document.execCommand('selectAll');
        } else if (command === 5017) {
            snapshot();
            if (argument)
                document.execCommand('insertImage', false, String(argument));
        } else if (command === 5022) {
            snapshot();
            insertTable(argument || {});
        } else if (tableCommands[command]) {
            const cell = currentCell();
            if (!cell)
                return;
            snapshot();
            tableCommands[command](cell);
        } else if (nativeCommands[command]) {
            snapshot();
            document.execCommand(nativeCommands[command], false,
                                 argument === undefined || argument === null ? null : String(argument));
            if (command >= 5024 && command <= 5026)
                alignToAttributes();
        }
        lastInputType = '';
        schedulePush();
    }

    function setBodyColour(which, value) {
        if (!document.body)
            return;
        if (which === 'bg')
            document.bgColor = value;
        else
            document.linkColor = value;
        schedulePush();
    }

    function clear() {
        if (document.body)
            document.body.innerHTML = '';
        undoSteps.length = 0;
        schedulePush();
    }

    // Selecting text from the program (tests, and the program's own moves).
    function selectText(text) {
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let n = walker.nextNode(); n; n = walker.nextNode()) {
            const at = n.data.indexOf(text);
            if (at >= 0) {
                const range = document.createRange();
                range.setStart(n, at);
                range.setEnd(n, at + text.length);
                const sel = window.getSelection();
                sel.removeAllRanges();
                sel.addRange(range);
                schedulePush();
                return true;
            }
        }
        return false;
    }

    function selectCell(index) {
        const cells = document.body.querySelectorAll('td, th');
        if (index < 0 || index >= cells.length)
            return false;
        placeCaretIn(cells[index]);
        schedulePush();
        return true;
    }

    document.addEventListener('selectionchange', schedulePush);
    document.addEventListener('input', schedulePush);
    document.addEventListener('beforeinput', (event) => {
        const now = Date.now();
        if (event.inputType !== lastInputType || now - lastInputTime > 1500)
            snapshot();
        lastInputType = event.inputType;
        lastInputTime = now;
    });
    document.addEventListener('keydown', (event) => {
        // Ctrl+Z goes through the same undo steps as the program's command.
        if ((event.ctrlKey || event.metaKey) && !event.shiftKey && event.key.toLowerCase() === 'z') {
            event.preventDefault();
            exec(5049);
        }
    });

    window.vellomyEditor = { exec: exec, setBodyColour: setBodyColour, clear: clear,
                             selectText: selectText, selectCell: selectCell, push: pushNow };

    new QWebChannel(qt.webChannelTransport, (channel) => {
        bridge = channel.objects.dhtml;
        pushNow();
    });
})();

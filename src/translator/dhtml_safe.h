// The visual HTML editor of the HTML Translator: a design-mode page in an
// embedded browser, driven by the editing component's numbered commands.
#pragma once

#include <QHash>
#include <QUrl>
#include <QVariant>
#include <QFrame>

class QWebChannel;
class QWebEngineView;
class TDHTMLBridge;

// The command numbers of the editing component.
namespace DECMD {
enum : int {
    BOLD = 5000, COPY = 5002, CUT = 5003, DELETE = 5004, DELETECELLS = 5005, DELETECOLS = 5006,
    DELETEROWS = 5007, GETFONTNAME = 5013, GETFONTSIZE = 5014, GETFORECOLOR = 5015, IMAGE = 5017,
    INSERTCELL = 5019, INSERTCOL = 5020, INSERTROW = 5021, INSERTTABLE = 5022, ITALIC = 5023,
    JUSTIFYCENTER = 5024, JUSTIFYLEFT = 5025, JUSTIFYRIGHT = 5026, MERGECELLS = 5029, PASTE = 5032,
    SELECTALL = 5035, SETFONTNAME = 5044, SETFONTSIZE = 5045, SETFORECOLOR = 5046, SPLITCELL = 5047,
    UNDERLINE = 5048, UNDO = 5049,
};
}

// Statuses of QueryStatus.
namespace DECMDF {
enum : int { NOTSUPPORTED = 0, DISABLED = 1, ENABLED = 3, LATCHED = 7 };
}

// The parameters of the insert-table command.
struct TDEInsertTableParam {
    int NumRows = 0;
    int NumCols = 0;
    QString TableAttrs;
};

// The browser view is created the first time the editor is shown or given a
// document, so windows nobody looks at start no browser process. Queries
// answer at once from the state the page last pushed; commands run in the
// page and the new state arrives with the next push (OnDisplayChanged).
class TDHTMLSafe : public QFrame
{
    Q_OBJECT

public:
    explicit TDHTMLSafe(QWidget *parent = nullptr);
    ~TDHTMLSafe() override;

    // The whole document as HTML text with a BODY element: element names in
    // upper case, bold as STRONG, italic as EM.
    QString DocumentHTML() const;
    // Replaces the shown document.
    void SetDocumentHTML(const QString &html);
    // Relative pictures and links of the document resolve against this.
    void SetBaseUrl(const QUrl &url) { m_baseUrl = url; }

    // 3 enabled, 7 enabled and latched, anything else not available (also
    // before the page has reported).
    int QueryStatus(int command) const;
    // Runs a command on the selection. in: the font name, size, colour or
    // TDEInsertTableParam (as QVariantMap) where the command takes one; the
    // "get" commands return their value. Nothing runs when not available.
    QVariant ExecCommand(int command, const QVariant &in = {});
    void InsertTable(const TDEInsertTableParam &param);

    // The document object.
    void SetBgColor(const QString &colour);
    void SetLinkColor(const QString &colour);
    void Clear();

    // True once the page of the last SetDocumentHTML has reported its state.
    bool Ready() const { return m_ready; }
    bool HasFocus() const;
    QWebEngineView *View() const { return m_view; }
    void EnsureView();

    // The program's (and the tests') way to put the selection somewhere.
    void SelectText(const QString &text);
    void SelectCell(int index);

    // The page's script, the QWebChannel client in front of it.
    static QString PageScript();

signals:
    void OnDisplayChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    friend class TDHTMLBridge;
    void StateArrived(const QString &json);
    void RunScript(const QString &script);
    void Load();

    QWebEngineView *m_view = nullptr;
    QWebChannel *m_channel = nullptr;
    TDHTMLBridge *m_bridge = nullptr;
    QUrl m_baseUrl;
    QString m_html;
    QHash<int, int> m_status;
    QString m_fontName;
    QString m_fontSize;
    QString m_foreColor;
    bool m_ready = false;
    bool m_loading = false;
};

// The object the page talks to.
class TDHTMLBridge : public QObject
{
    Q_OBJECT

public:
    explicit TDHTMLBridge(TDHTMLSafe *owner) : QObject(owner), m_owner(owner) {}

public slots:
    void pushState(const QString &json) { m_owner->StateArrived(json); }

private:
    TDHTMLSafe *m_owner;
};

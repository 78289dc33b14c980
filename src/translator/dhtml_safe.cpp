#include "translator/dhtml_safe.h"

#include "translator/body_code.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

QString ReadResource(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString JsString(const QString &text)
{
    // A JSON array of one string is a valid JavaScript literal.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

} // namespace

TDHTMLSafe::TDHTMLSafe(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    setFocusPolicy(Qt::StrongFocus);
    m_html = VisualDocument(QStringLiteral("White"), QStringLiteral("Blue"), QString());
}

TDHTMLSafe::~TDHTMLSafe() = default;

QString TDHTMLSafe::PageScript()
{
    return ReadResource(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + u'\n'
        + ReadResource(QStringLiteral(":/translator/dhtml_editor.js"));
}

void TDHTMLSafe::EnsureView()
{
    if (m_view)
        return;
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("DHTMLEdit1View"));
    layout()->addWidget(m_view);
    setFocusProxy(m_view);
    QWebEnginePage *page = m_view->page();
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_channel = new QWebChannel(this);
    m_bridge = new TDHTMLBridge(this);
    m_channel->registerObject(QStringLiteral("dhtml"), m_bridge);
    page->setWebChannel(m_channel);
    QWebEngineScript script;
    script.setName(QStringLiteral("vellomy-dhtml"));
    script.setSourceCode(PageScript());
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    page->scripts().insert(script);
    // Pushes of the page being replaced are not the new document's state:
    // they count from the end of the new load on, which asks for a fresh one.
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool) {
        m_loading = false;
        RunScript(QStringLiteral("window.vellomyEditor.push()"));
    });
    Load();
}

void TDHTMLSafe::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    EnsureView();
}

void TDHTMLSafe::Load()
{
    m_ready = false;
    m_loading = true;
    m_status.clear();
    const QUrl base = m_baseUrl.isValid() ? m_baseUrl : QUrl(QStringLiteral("file:///"));
    m_view->setHtml(m_html, base);
}

QString TDHTMLSafe::DocumentHTML() const
{
    return m_html;
}

void TDHTMLSafe::SetDocumentHTML(const QString &html)
{
    m_html = html;
    if (m_view)
        Load();
    else
        EnsureView();
}

int TDHTMLSafe::QueryStatus(int command) const
{
    return m_status.value(command, DECMDF::NOTSUPPORTED);
}

void TDHTMLSafe::RunScript(const QString &script)
{
    if (m_view)
        m_view->page()->runJavaScript(QStringLiteral("window.vellomyEditor && ") + script);
}

QVariant TDHTMLSafe::ExecCommand(int command, const QVariant &in)
{
    switch (command) {
    case DECMD::GETFONTNAME:
        return m_fontName;
    case DECMD::GETFONTSIZE:
        return m_fontSize;
    case DECMD::GETFORECOLOR:
        return m_foreColor;
    default:
        break;
    }
    if (!m_view || !m_ready)
        return {};
    // The clipboard goes through the browser's own actions: a script may not
    // read or write it.
    switch (command) {
    case DECMD::COPY:
        m_view->page()->triggerAction(QWebEnginePage::Copy);
        return {};
    case DECMD::CUT:
        m_view->page()->triggerAction(QWebEnginePage::Cut);
        return {};
    case DECMD::PASTE:
        m_view->page()->triggerAction(QWebEnginePage::Paste);
        return {};
    default:
        break;
    }
    QString argument = QStringLiteral("null");
    if (in.typeId() == QMetaType::QVariantMap)
        argument = QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(in.toMap())).toJson(QJsonDocument::Compact));
    else if (in.typeId() == QMetaType::Int)
        argument = QString::number(in.toInt());
    else if (in.isValid())
        argument = JsString(in.toString());
    RunScript(QStringLiteral("window.vellomyEditor.exec(%1, %2)").arg(command).arg(argument));
    return {};
}

void TDHTMLSafe::InsertTable(const TDEInsertTableParam &param)
{
    ExecCommand(DECMD::INSERTTABLE, QVariantMap{{QStringLiteral("NumRows"), param.NumRows},
                                                {QStringLiteral("NumCols"), param.NumCols},
                                                {QStringLiteral("TableAttrs"), param.TableAttrs}});
}

void TDHTMLSafe::SetBgColor(const QString &colour)
{
    RunScript(QStringLiteral("window.vellomyEditor.setBodyColour('bg', %1)").arg(JsString(colour)));
}

void TDHTMLSafe::SetLinkColor(const QString &colour)
{
    RunScript(QStringLiteral("window.vellomyEditor.setBodyColour('link', %1)").arg(JsString(colour)));
}

void TDHTMLSafe::Clear()
{
    RunScript(QStringLiteral("window.vellomyEditor.clear()"));
}

void TDHTMLSafe::SelectText(const QString &text)
{
    RunScript(QStringLiteral("window.vellomyEditor.selectText(%1)").arg(JsString(text)));
}

void TDHTMLSafe::SelectCell(int index)
{
    RunScript(QStringLiteral("window.vellomyEditor.selectCell(%1)").arg(index));
}

bool TDHTMLSafe::HasFocus() const
{
    const QWidget *focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void TDHTMLSafe::StateArrived(const QString &json)
{
    const QJsonObject state = QJsonDocument::fromJson(json.toUtf8()).object();
    if (m_loading || state.isEmpty())
        return;
    m_html = state.value(QStringLiteral("html")).toString();
    m_status.clear();
    const QJsonObject statuses = state.value(QStringLiteral("status")).toObject();
    for (auto it = statuses.begin(); it != statuses.end(); ++it)
        m_status.insert(it.key().toInt(), it.value().toInt());
    m_fontName = state.value(QStringLiteral("fontName")).toString();
    m_fontSize = state.value(QStringLiteral("fontSize")).toString();
    m_foreColor = state.value(QStringLiteral("foreColor")).toString();
    m_ready = true;
    emit OnDisplayChanged();
}

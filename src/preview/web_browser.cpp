#include "preview/web_browser.h"

#include "conversion/codec.h"
#include "documents/working_copy_writer.h"

#include <QVBoxLayout>
#include <QWebEngineView>
#include <QBuffer>
#include <QFile>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <unistd.h>

namespace {

// Working copies ("~$index.htm~") have no extension the engine knows, so it
// would not show them as pages. They, and everything their pages link to,
// are served through this scheme with the type of the document's own name.
const QByteArray kLocalScheme = QByteArrayLiteral("vellomy-file");

class TLocalFileHandler : public QWebEngineUrlSchemeHandler
{
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        const QString path = job->requestUrl().path();
        WorkingCopyWriter::Wait(path); // a working copy still being written after a switch
        auto *file = new QFile(path, job);
        if (!file->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        QString name = path.mid(path.lastIndexOf(u'/') + 1);
        if (name.startsWith(QStringLiteral("~$")) && name.endsWith(u'~') && name.size() > 3)
            name = name.mid(2, name.size() - 3);
        QByteArray type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).name().toLatin1();
        if (type.isEmpty())
            type = QByteArrayLiteral("text/html");
        if (type.startsWith("text/") || type.contains("javascript") || type.contains("xhtml")) {
            // The page is shown in the encoding the editor reads it in, so
            // Czech letters look the same in both.
            const QByteArray bytes = file->readAll();
            file->deleteLater();
            auto *buffer = new QBuffer(job);
            buffer->setData(bytes);
            buffer->open(QIODevice::ReadOnly);
            type += Codec::DetectEncoding(bytes) == Codec::TextEncoding::Windows1250
                        ? QByteArrayLiteral("; charset=windows-1250")
                        : QByteArrayLiteral("; charset=utf-8");
            job->reply(type, buffer);
            return;
        }
        job->reply(type, file);
    }
};

void InstallLocalHandler()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    auto *handler = new TLocalFileHandler(QWebEngineProfile::defaultProfile());
    QWebEngineProfile::defaultProfile()->installUrlSchemeHandler(kLocalScheme, handler);
}

} // namespace

void PrepareWebEngineEnvironment()
{
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    static bool registered = false;
    if (!registered) {
        registered = true;
        QWebEngineUrlScheme scheme(kLocalScheme);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed
                        | QWebEngineUrlScheme::SecureScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

TWebBrowser::TWebBrowser(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QUrl TWebBrowser::TargetToUrl(const QString &target)
{
    if (target.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        // "file:///" + a path written with either separator + "#fragment".
        QString t = target;
        t.replace(u'\\', u'/');
        const qsizetype hash = t.indexOf(u'#');
        const QString path = hash < 0 ? t : t.left(hash);
        QString local = path.mid(5);
        while (local.startsWith(QStringLiteral("//")))
            local.remove(0, 1);
        QUrl url = QUrl::fromLocalFile(local);
        if (hash >= 0)
            url.setFragment(t.mid(hash + 1), QUrl::DecodedMode);
        return url;
    }
    const QString name = target.mid(std::max(target.lastIndexOf(u'/'), target.lastIndexOf(u'\\')) + 1);
    if (name.startsWith(QStringLiteral("~$")) && name.endsWith(u'~')) {
        QUrl url;
        url.setScheme(QString::fromLatin1(kLocalScheme));
        url.setPath(QUrl::fromLocalFile(target).path());
        return url;
    }
    return QUrl::fromLocalFile(target);
}

QString TWebBrowser::LocalPath() const
{
    return m_url.scheme() == QString::fromLatin1(kLocalScheme) ? m_url.path() : m_url.toLocalFile();
}

void TWebBrowser::Navigate(const QString &target)
{
    m_url = TargetToUrl(target);
    if (m_view)
        m_view->load(m_url);
}

void TWebBrowser::Refresh()
{
    if (m_view)
        m_view->reload();
}

void TWebBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    EnsureView();
}

void TWebBrowser::EnsureView()
{
    if (m_view)
        return;
    InstallLocalHandler();
    m_view = new QWebEngineView(this);
    layout()->addWidget(m_view);
    if (!m_url.isEmpty())
        m_view->load(m_url);
}

#include "preview/web_browser.h"

#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

void PrepareWebEngineEnvironment()
{
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
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
    return QUrl::fromLocalFile(target);
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
    m_view = new QWebEngineView(this);
    layout()->addWidget(m_view);
    if (!m_url.isEmpty())
        m_view->load(m_url);
}

// The embedded browser: shows local HTML files and file:// addresses.
#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineView;

// Chromium refuses to run as root with its sandbox on: the program turns it
// off for itself then, unless the user said otherwise.
void PrepareWebEngineEnvironment();

// Creates its engine view the first time it is shown, so windows that are
// never looked at cost no browser process; a navigation before that is
// remembered and carried out then. Pages are never waited for.
class TWebBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit TWebBrowser(QWidget *parent = nullptr);

    // A plain file path, or an address such as "file:///.../index.htm#TABLE".
    void Navigate(const QString &target);
    // Reloads the page last navigated to from disk.
    void Refresh();

    // The address last navigated to (empty before the first navigation).
    QUrl LocationUrl() const { return m_url; }
    // The local file behind LocationUrl(), whichever way it is shown.
    QString LocalPath() const;
    QWebEngineView *View() const { return m_view; }

    static QUrl TargetToUrl(const QString &target);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void EnsureView();

    QWebEngineView *m_view = nullptr;
    QUrl m_url;
};

// Where the script blocks and the variables made with "new" are in an
// editor's document, kept up to date change by change: the code assistant
// asks at every keystroke, and reading the whole text each time would cost
// time in proportion to the page.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include <QTextDocument>

class TScriptIndex : public QObject
{
    Q_OBJECT

public:
    explicit TScriptIndex(QTextDocument *document, QObject *parent = nullptr);

    QTextDocument *Document() const { return m_document; }

    // True when position (a document position: a line break counts one)
    // lies after the "<" of a "<SCRIPT" and not after the "<" of the first
    // "</SCRIPT>" that follows it. Both written in capitals, as the program
    // has always recognised a script block.
    bool InScriptBlock(int position) const;

    // True when the text assigns "new" type(…) to the variable name, as in
    // "img=new Image(" or "var img = new Image(". Both lower-case; the text
    // is compared without regard to case.
    bool CreatedWithNew(const QString &name, const QString &type) const;

private:
    enum class TMarkKind { Open, Close, New };
    struct TMark {
        int position;
        TMarkKind kind;
        QString name; // TMarkKind::New: variable and type, lower-cased
        QString type;
    };

    void Changed(int position, int removed, int added);
    // Marks of the blocks from the one holding from to the one holding to.
    std::vector<TMark> Scan(int from, int to) const;

    QPointer<QTextDocument> m_document;
    std::vector<TMark> m_marks; // by position
};

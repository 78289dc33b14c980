#include "documents/document_table.h"
#include "documents/working_copy.h"

#include <QTest>

class TestDocumentTable : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheSentinelOnly()
    {
        TDocumentTable t;
        QCOMPARE(t.OpenFiles, QList<QString>{QStringLiteral("none")});
        QCOMPARE(t.DocStates.size(), 1);
        QCOMPARE(t.OpenDocCount, 0);
        QCOMPARE(t.ActiveDoc, 1);
        QCOMPARE(t.ActiveFile(), QStringLiteral("none"));
    }

    void removingMovesLaterDocumentsUp()
    {
        TDocumentTable t;
        for (const char *n : {"/w/a.htm", "/w/b.htm", "/w/c.htm"}) {
            TDocState s;
            s.CaretPos = int(qstrlen(n));
            s.Bookmarks[3] = n[3];
            t.Append(WorkingCopyName(QString::fromLatin1(n)), s);
        }
        t.DocStates[3].Modified = true;
        t.Remove(2);
        QCOMPARE(t.OpenDocCount, 2);
        QCOMPARE(t.DocStates.size(), 3);
        QCOMPARE(DocumentPath(t.OpenFiles[2]), QStringLiteral("/w/c.htm"));
        QVERIFY(t.DocStates[2].Modified);
        QCOMPARE(t.DocStates[2].Bookmarks[3], int('c'));
        t.Remove(5); // out of range: nothing happens
        QCOMPARE(t.OpenDocCount, 2);
    }

    void pathsCompareExactly()
    {
        TDocumentTable t;
        t.Append(WorkingCopyName(QStringLiteral("/w/Index.htm")), {});
        QCOMPARE(t.IndexOfDocument(QStringLiteral("/w/Index.htm")), 1);
        QCOMPARE(t.IndexOfDocument(QStringLiteral("/w/index.htm")), 0);
    }

    void resetKeepsTheLoadingFlag()
    {
        TDocumentTable t;
        t.Append(QStringLiteral("/w/~$a~"), {});
        t.DocStates[0].Loading = true;
        t.Reset();
        QVERIFY(t.DocStates[0].Loading);
        QCOMPARE(t.OpenDocCount, 0);
    }
};

QTEST_APPLESS_MAIN(TestDocumentTable)
#include "tst_document_table.moc"

#include "conversion/codec.h"

#include <QTest>

using Codec::TextEncoding;

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = Codec::DecodeWin1250(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Codec::EncodeWin1250(text), all);
    }

    void byteMapsToCharacter_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("ascii A") << 0x41 << 0x41;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("unassigned 0x81") << 0x81 << 0x81;
        QTest::newRow("unassigned 0x83") << 0x83 << 0x83;
        QTest::newRow("unassigned 0x88") << 0x88 << 0x88;
        QTest::newRow("unassigned 0x90") << 0x90 << 0x90;
        QTest::newRow("unassigned 0x98") << 0x98 << 0x98;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("z caron") << 0x9E << 0x017E;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("copyright") << 0xA9 << 0x00A9;
        QTest::newRow("C caron") << 0xC8 << 0x010C;
        QTest::newRow("r caron") << 0xF8 << 0x0159;
        QTest::newRow("u ring") << 0xF9 << 0x016F;
        QTest::newRow("dot above") << 0xFF << 0x02D9;
    }
    void byteMapsToCharacter()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(int(Codec::Win1250ToUnicode(static_cast<unsigned char>(byte))), unicode);
        unsigned char back = 0;
        QVERIFY(Codec::UnicodeToWin1250(char16_t(unicode), &back));
        QCOMPARE(int(back), byte);
    }

    void tableIsOneToOne()
    {
        QSet<int> seen;
        for (int b = 0; b < 256; ++b)
            seen.insert(Codec::Win1250ToUnicode(static_cast<unsigned char>(b)));
        QCOMPARE(seen.size(), 256);
    }

    void charactersOutsideTheCodePageBecomeReferences()
    {
        // Cyrillic and an emoji (a surrogate pair) have no byte in the code page.
        const QString text = QStringLiteral("a\u0416b") + QString::fromUcs4(U"\U0001F600");
        QCOMPARE(Codec::EncodeWin1250(text), QByteArray("a&#1046;b&#128512;"));
    }

    void detectsEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        const int w = int(TextEncoding::Windows1250), u = int(TextEncoding::Utf8),
                  bom = int(TextEncoding::Utf8Bom);
        QTest::newRow("plain ascii") << QByteArray("<p>hello</p>") << w;
        QTest::newRow("empty") << QByteArray() << w;
        QTest::newRow("utf-8 czech") << QByteArray("\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD") << u;
        QTest::newRow("windows-1250 czech") << QByteArray("\xBElu\x9Dou\xE8k\xFD") << w;
        QTest::newRow("bom with ascii") << QByteArray("\xEF\xBB\xBFhello") << bom;
        QTest::newRow("truncated sequence") << QByteArray("abc\xC5") << w;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << w;
        QTest::newRow("surrogate half") << QByteArray("\xED\xA0\x80") << w;
        QTest::newRow("four-byte emoji") << QByteArray("\xF0\x9F\x98\x80") << u;
    }
    void detectsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QCOMPARE(int(Codec::DetectEncoding(bytes)), encoding);
    }

    void utf8DocumentsWriteBackTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8") << QByteArray("\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88");
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF\xC4\x8D\xC3\xAD");
        QTest::newRow("windows-1250") << QByteArray("\xBElu\x9Dou\xE8k\xFD \x81\x83");
    }
    void utf8DocumentsWriteBackTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        const TextEncoding e = Codec::DetectEncoding(bytes);
        QCOMPARE(Codec::Encode(Codec::Decode(bytes, e), e), bytes);
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("lf") << QStringLiteral("a\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("lone cr") << QStringLiteral("a\rb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("empty lines kept") << QStringLiteral("a\r\n\r\nb") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("only a break") << QStringLiteral("\r\n") << QStringList{QString()};
        QTest::newRow("nothing") << QString() << QStringList{};
        QTest::newRow("two breaks at the end") << QStringLiteral("a\r\n\r\n") << QStringList{QStringLiteral("a"), QString()};
        QTest::newRow("lf then cr") << QStringLiteral("a\n\rb") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("lone cr at the end") << QStringLiteral("a\r") << QStringList{QStringLiteral("a")};
        QTest::newRow("only empty lines") << QStringLiteral("\n\n\r") << QStringList{QString(), QString(), QString()};
    }
    void splitsLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(Codec::SplitLines(text), lines);
        // What the editor is loaded with: the same lines, one string.
        QCOMPARE(Codec::JoinedLines(text), lines.join(u'\n'));
    }

    void joinsWithCrLfAfterEveryLine()
    {
        QCOMPARE(Codec::JoinLinesCrLf({QStringLiteral("a"), QString(), QStringLiteral("b")}),
                 QStringLiteral("a\r\n\r\nb\r\n"));
    }

    // The editor's text straight to a file's bytes must equal the lines
    // joined with CR LF and encoded, in every encoding.
    void editorTextAsFileBytes_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        const QChar sep = QChar::ParagraphSeparator;
        const int win = int(TextEncoding::Windows1250);
        QTest::newRow("empty") << QString() << win << QByteArray();
        QTest::newRow("one line") << QStringLiteral("a") << win << QByteArray("a\r\n");
        QTest::newRow("two lines") << (QStringLiteral("a") + sep + QStringLiteral("b")) << win
                                   << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty lines") << (QString(sep) + sep) << win << QByteArray("\r\n\r\n\r\n");
        QTest::newRow("czech letter") << QStringLiteral("\u0159") << win << QByteArray("\xF8\r\n");
        QTest::newRow("reference then break")
            << (QStringLiteral("\u0416") + sep + QStringLiteral("x")) << win << QByteArray("&#1046;\r\nx\r\n");
        QTest::newRow("utf-8") << (QStringLiteral("\u0159") + sep) << int(TextEncoding::Utf8)
                               << QByteArray("\xC5\x99\r\n\r\n");
        QTest::newRow("utf-8 with mark") << QStringLiteral("a") << int(TextEncoding::Utf8Bom)
                                         << QByteArray("\xEF\xBB\xBF" "a\r\n");
    }

    void editorTextAsFileBytes()
    {
        QFETCH(QString, raw);
        QFETCH(int, encoding);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Codec::EncodeEditorText(raw, TextEncoding(encoding)), bytes);
    }

    // Many references and breaks make the output outgrow its first guess.
    void editorTextGrowsPastItsFirstGuess()
    {
        QStringList lines;
        for (int i = 0; i < 500; ++i)
            lines << QStringLiteral("\u0416\u0416 %1 \u0159").arg(i) << QString();
        const QString raw = lines.join(QChar::ParagraphSeparator);
        QCOMPARE(Codec::EncodeEditorText(raw, TextEncoding::Windows1250),
                 Codec::Encode(Codec::JoinLinesCrLf(lines), TextEncoding::Windows1250));
    }
};

QTEST_APPLESS_MAIN(TestCodec)
#include "tst_codec.moc"

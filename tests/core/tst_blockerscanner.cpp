#include "operations/blockerscanner.h"

#include <QTest>

class TestBlockerScanner : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<BlockerList>("expected");

        QTest::newRow("repeated process is listed once")
            << "p123\ncFinder\np456\ncPreview\np123\ncFinder\n"
            << BlockerList{{123, "Finder"}, {456, "Preview"}};
        QTest::newRow("stray command before any process") << "cFinder\np5\ncvim\n"
                                                          << BlockerList{{5, "vim"}};
        QTest::newRow("command after an unparsable process id") << "pabc\ncFinder\n"
                                                                << BlockerList{};
        QTest::newRow("process without a command") << "p77" << BlockerList{{77, ""}};
        QTest::newRow("other tags keep the current process") << "p10\nf4\ncTextEdit\n"
                                                             << BlockerList{{10, "TextEdit"}};
        QTest::newRow("later command replaces the earlier one") << "p1\ncold\nf3\np1\ncnew\n"
                                                                << BlockerList{{1, "new"}};
        QTest::newRow("malformed id clears the current process") << "p10\ncA\np1x\ncB\n"
                                                                 << BlockerList{{10, "A"}};
        QTest::newRow("bare p line clears the current process") << "p10\np\ncB\n"
                                                                << BlockerList{{10, ""}};
        QTest::newRow("signs are accepted") << "p+5\ncplus\np-3\ncminus\n"
                                            << BlockerList{{5, "plus"}, {-3, "minus"}};
        QTest::newRow("spaces around the id are malformed") << "p 12\nca\np12 \ncb\n"
                                                            << BlockerList{};
        QTest::newRow("sign without digits") << "p-\ncx\n" << BlockerList{};
        QTest::newRow("id beyond 64 bits")
            << "p9223372036854775808\ncbig\np9223372036854775807\ncmax\n"
            << BlockerList{{9223372036854775807LL, "max"}};
        QTest::newRow("non-ASCII digits") << QStringLiteral("p\u0663\ncx\n") << BlockerList{};
        QTest::newRow("empty lines are skipped") << "\n\np8\n\ncsh\n\n" << BlockerList{{8, "sh"}};
        QTest::newRow("empty command value") << "p8\nc\n" << BlockerList{{8, ""}};
        QTest::newRow("nothing") << "" << BlockerList{};
    }
    void parse()
    {
        QFETCH(QString, output);
        QFETCH(BlockerList, expected);
        QCOMPARE(BlockerScanner::parse(output), expected);
    }

    void uniqueCommands_data()
    {
        QTest::addColumn<BlockerList>("blockers");
        QTest::addColumn<BlockerList>("expected");

        QTest::newRow("first of a command wins")
            << BlockerList{{12, "Preview"}, {34, "Preview"}} << BlockerList{{12, "Preview"}};
        QTest::newRow("order of first appearance")
            << BlockerList{{3, "b"}, {1, "a"}, {2, "b"}, {4, "c"}, {5, "a"}}
            << BlockerList{{3, "b"}, {1, "a"}, {4, "c"}};
        QTest::newRow("case matters") << BlockerList{{1, "Preview"}, {2, "preview"}}
                                      << BlockerList{{1, "Preview"}, {2, "preview"}};
        QTest::newRow("empty command is one command")
            << BlockerList{{1, ""}, {2, ""}, {3, "x"}} << BlockerList{{1, ""}, {3, "x"}};
        QTest::newRow("empty list") << BlockerList{} << BlockerList{};
    }
    void uniqueCommands()
    {
        QFETCH(BlockerList, blockers);
        QFETCH(BlockerList, expected);
        QCOMPARE(BlockerScanner::uniqueCommands(blockers), expected);
    }
};

QTEST_GUILESS_MAIN(TestBlockerScanner)
#include "tst_blockerscanner.moc"

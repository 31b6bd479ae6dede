#include <QTest>

#include "gui/markup.h"
#include "gui/view_principal_texts.h"

namespace qor::gui {

class MarkupTest : public QObject {
    Q_OBJECT
private slots:
    void converts_data();
    void converts();
};

void MarkupTest::converts_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("html");
    const QString bold = "<span style=\"font-weight:bold\">";
    QTest::newRow("plain") << "texto" << "texto";
    QTest::newRow("bold") << "a [B]b[/B] c" << "a " + bold + "b</span> c";
    QTest::newRow("underline") << "[U]u[/U]" << "<span style=\"text-decoration:underline\">u</span>";
    QTest::newRow("hex colour") << "[COLOR=#006060]t[/COLOR]" << "<span style=\"color:#006060\">t</span>";
    QTest::newRow("named colour") << "[COLOR=Red]t[/COLOR]" << "<span style=\"color:Red\">t</span>";
    QTest::newRow("size") << "[SIZE=20]t[/SIZE]" << "<span style=\"font-size:20pt\">t</span>";
    QTest::newRow("tags in lower case") << "[b]t[/b]" << bold + "t</span>";
    QTest::newRow("all at once") << "[COLOR=#4A4A4A][SIZE=16][B][U]t[/U][/B][/SIZE][/COLOR]"
                                 << "<span style=\"color:#4A4A4A;font-size:16pt;font-weight:bold;"
                                    "text-decoration:underline\">t</span>";
    QTest::newRow("closed out of order")
        << "[COLOR=Red][B]a[/COLOR]b[/B]c"
        << "<span style=\"color:Red;font-weight:bold\">a</span>" + bold + "b</span>c";
    QTest::newRow("inner colour ends, outer goes on")
        << "[COLOR=Red]a[COLOR=#4A4A4A]b[/COLOR]c[/COLOR]"
        << "<span style=\"color:Red\">a</span><span style=\"color:#4A4A4A\">b</span>"
           "<span style=\"color:Red\">c</span>";
    QTest::newRow("stray closing tags") << "[/B][/COLOR][/SIZE]t" << "t";
    QTest::newRow("line breaks") << "a\r\nb\nc" << "a<br>b<br>c";
    QTest::newRow("html is escaped") << "<b>&\"" << "&lt;b&gt;&amp;&quot;";
    QTest::newRow("unknown tag stays as written") << "[I]t[/I]" << "[I]t[/I]";
    QTest::newRow("size must be a number") << "[SIZE=big]t" << "[SIZE=big]t";
    QTest::newRow("colour cannot leave the style")
        << "[COLOR=red;background:x]t" << "[COLOR=red;background:x]t";
    QTest::newRow("bold takes no value") << "[B=1]t" << "[B=1]t";
    QTest::newRow("page 3 instruction")
        << texts::kInstrucaoWeb
        << "<span style=\"color:#4A4A4A;font-size:8pt\">Neste passo, informe o caminho do banco do </span>"
           "<span style=\"color:#4A4A4A;font-size:8pt;font-weight:bold\">QOR WEB</span>"
           "<span style=\"color:#4A4A4A;font-size:8pt\"> em </span>"
           "<span style=\"color:#4A4A4A;font-size:8pt;text-decoration:underline\">branco</span>"
           "<span style=\"color:#4A4A4A;font-size:8pt\"> e preencha os respectivos dados de conexão: </span>"
           "<span style=\"color:#4A4A4A;font-size:8pt;text-decoration:underline\">usuário</span>"
           "<span style=\"color:#4A4A4A;font-size:8pt\">, </span>"
           "<span style=\"color:#4A4A4A;font-size:8pt;text-decoration:underline\">senha</span>"
           "<span style=\"color:#4A4A4A;font-size:8pt\"> e </span>"
           "<span style=\"color:#4A4A4A;font-size:8pt;text-decoration:underline\">porta</span>"
           "<span style=\"color:#4A4A4A;font-size:8pt\"> do Firebird.</span>";
    QTest::newRow("warning head")
        << QString(texts::kFormatoAviso).left(QString(texts::kFormatoAviso).indexOf("Caso"))
        << "<span style=\"color:Red;font-size:8pt;font-weight:bold\">IMPORTANTE!</span>"
           "<span style=\"color:#4A4A4A;font-size:8pt;font-weight:bold\"><br></span>"
           "<span style=\"color:#4A4A4A;font-size:8pt\"><br></span>";
}

void MarkupTest::converts() {
    QFETCH(QString, stored);
    QFETCH(QString, html);
    QCOMPARE(RichTextFromMarkup(stored), html);
}

}  // namespace qor::gui

QTEST_APPLESS_MAIN(qor::gui::MarkupTest)
#include "markup_test.moc"

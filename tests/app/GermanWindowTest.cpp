// The whole window under the German translation, as a German desktop starts it: no English
// word is left in what it shows, and the report's header is German.

#include "base/Language.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace quillfen;
using namespace quillfen::test;

namespace {

QStringList wordsOf(const QString& text)
{
    QStringList words;
    static const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    for (auto match = word.globalMatch(QString(text).remove(u'&')); match.hasNext();)
        words.append(match.next().captured().toCaseFolded());
    return words;
}

// The words of the English texts that no German translation uses: "Status" or "Option" are
// German too, "files" is not.
QSet<QString> englishOnlyWords()
{
    QFile ts(QStringLiteral(QUILLFEN_GERMAN_TS));
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << QUILLFEN_GERMAN_TS;
    QXmlStreamReader xml(&ts);
    QSet<QString> english;
    QSet<QString> german;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            for (const QString& w :
                 wordsOf(xml.readElementText(QXmlStreamReader::IncludeChildElements)))
                english.insert(w);
        } else if (xml.name() == QLatin1String("translation")) {
            for (const QString& w :
                 wordsOf(xml.readElementText(QXmlStreamReader::IncludeChildElements)))
                german.insert(w);
        }
    }
    // Qt's own key names, which its German translation gives as Strg, Umschalt and Entf.
    english.unite({QStringLiteral("ctrl"), QStringLiteral("shift"), QStringLiteral("del")});
    english.subtract(german);
    english.remove(QStringLiteral("quillfen"));
    return english;
}

class GermanWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(installTranslations(*QCoreApplication::instance()), "de");
    }
    void TearDown() override
    {
        qDeleteAll(
            QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    TempTree tree;
};

// Everything the window shows in words: captions, titles, labels, menus and their entries,
// tooltips, names for screen readers, the lists' headers.
QStringList shownTexts(MainWindow& window)
{
    QStringList texts{window.windowTitle(), window.progressBar().caption()};
    for (const ListControl* list : {&window.fileList(), &window.resultsList()}) {
        for (int column = 0; column < list->rows().columns(); ++column)
            texts.append(list->rows().header(column));
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->windowTitle();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts.append(button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts.append(label->text());
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            texts.append(frame->title());
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts.append(menu->title());
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (const QAction* action : window.resultsMenu()->actions())
        texts << action->text() << action->toolTip();
    return texts;
}

} // namespace

TEST_F(GermanWindow, ShowsNoEnglishWordAndWritesAGermanReport)
{
    const QString file = tree.file("Bericht.txt", "x");
    MainWindow& window = start();
    addFiles({file});
    window.startButton()->click();
    desktop.fileDialogs->saveAnswers = {tree.path("Ergebnis.txt")};
    window.saveTextButton()->click();
    ASSERT_EQ(window.resultsList().rows().rows(), 1);

    const QSet<QString> english = englishOnlyWords();
    ASSERT_GT(english.size(), 100); // the .ts was read
    QStringList texts = shownTexts(window);
    texts << desktop.messages->texts() << desktop.fileDialogs->titles
          << desktop.fileDialogs->filters;
    QStringList left;
    for (const QString& text : texts) {
        for (const QString& word : wordsOf(text)) {
            if (english.contains(word))
                left.append(word + QStringLiteral(" in \"") + text + u'"');
        }
    }
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();
    // German words are longer: no caption of a control is cut.
    window.show();
    for (const QAbstractButton* control : window.findChildren<QAbstractButton*>()) {
        if (control->isVisible()) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->text().toStdString();
        }
    }

    // Qt's own names for the keys come from its German translation.
    EXPECT_TRUE(window.actions().remove->text().endsWith(QStringLiteral("\tEntf")))
        << window.actions().remove->text().toStdString();

    // The report is for people: its header is German. Scripts get csv, whose header is not.
    QFile report(tree.path("Ergebnis.txt"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString header = QString::fromUtf8(report.readLine());
    EXPECT_TRUE(header.startsWith(QStringLiteral("Dateiname"))) << header.toStdString();
    for (const char* column : {"Änderungsdatum", "Erstellungsdatum", "Zugriffsdatum"})
        EXPECT_TRUE(header.contains(QString::fromUtf8(column))) << header.toStdString();
}

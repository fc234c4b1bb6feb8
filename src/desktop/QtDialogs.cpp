#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "base/Texts.h"

namespace quillfen {

namespace {

QWidget* owner()
{
    return QApplication::activeWindow();
}

} // namespace

QString toDisplayLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QStringList toQtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        result.append(description + QLatin1String(" (") + patterns.join(QLatin1Char(' '))
                      + QLatin1Char(')'));
    }
    return result;
}

MessageAnswer QtMessageBoxes::show(const QString& text, const QString& caption,
                                   MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    caption, toDisplayLines(text),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    owner());
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        // Closing a Yes/No box without choosing counts as No.
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

QString QtInputBox::ask(const QString& prompt, const QString& caption, const QString& preset)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(toDisplayLines(prompt));
    dialog.setTextValue(preset);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

namespace {

QtFileDialogs::Picked pickWithQt(QtFileDialogs::Mode mode, const QString& title,
                                 const QStringList& filters, const QString& folder)
{
    QFileDialog dialog(owner(), title, folder);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (mode != QtFileDialogs::Mode::Save) {
        dialog.setFileMode(mode == QtFileDialogs::Mode::Open ? QFileDialog::ExistingFiles
                                                             : QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles(), dialog.selectedNameFilter()};
}

} // namespace

QtFileDialogs::QtFileDialogs(Picker pick)
    : m_pick(pick ? std::move(pick) : pickWithQt)
    , m_folder(QDir::homePath())
{
}

QtFileDialogs::Picked QtFileDialogs::pick(Mode mode, const QString& title, const QString& filter)
{
    Picked picked = m_pick(mode, title, toQtNameFilters(filter), m_folder);
    for (QString& path : picked.files)
        path = QDir::toNativeSeparators(path);
    if (!picked.files.isEmpty())
        m_folder = QFileInfo(picked.files.first()).absolutePath();
    return picked;
}

QStringList QtFileDialogs::openFiles(const QString& title, const QString& filter)
{
    return pick(Mode::Open, title, filter).files;
}

QString QtFileDialogs::openFile(const QString& title, const QString& filter)
{
    return pick(Mode::OpenOne, title, filter).files.value(0);
}

QString QtFileDialogs::saveFile(const QString& title, const QString& filter)
{
    const Picked picked = pick(Mode::Save, title, filter);
    return withFilterExtension(picked.files.value(0), picked.filter);
}

QString withFilterExtension(const QString& path, const QString& chosenFilter)
{
    static const QRegularExpression kOneExtension(QStringLiteral(R"(\(\*\.([^*?. ()]+)\)$)"));
    const QRegularExpressionMatch extension = kOneExtension.match(chosenFilter);
    if (path.isEmpty() || !extension.hasMatch() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    return path + QLatin1Char('.') + extension.captured(1);
}

QString QtFolderBrowser::browse(const QString& prompt, const QString& initialFolder)
{
    // Without a folder of its own it starts at home, not where the program was started.
    const QString start = QFileInfo(initialFolder).isDir() ? initialFolder : QDir::homePath();
    const QString chosen =
        QFileDialog::getExistingDirectory(owner(), prompt, start, QFileDialog::ShowDirsOnly);
    return QDir::toNativeSeparators(chosen);
}

} // namespace quillfen

namespace quillfen {

void QtHelpViewer::showManual()
{
    if (m_manual == nullptr) {
        m_manual = new QDialog(owner());
        m_manual->setAttribute(Qt::WA_DeleteOnClose);
        m_manual->setWindowTitle(texts::kManualTitle());
        auto* text = new QTextBrowser(m_manual);
        text->setOpenExternalLinks(true);
        text->setSource(QUrl(texts::kManualPage()));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_manual);
        QObject::connect(buttons, &QDialogButtonBox::rejected, m_manual, &QDialog::close);
        auto* layout = new QVBoxLayout(m_manual);
        layout->addWidget(text);
        layout->addWidget(buttons);
        m_manual->resize(640, 560);
    }
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

void QtHelpViewer::showAbout(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.exec();
}

} // namespace quillfen

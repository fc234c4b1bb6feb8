#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

QtFileDialogs::QtFileDialogs(OpenPicker pick)
    : m_pick(std::move(pick))
{
    if (!m_pick) {
        m_pick = [](const QString& title, const QStringList& filters) {
            return QFileDialog::getOpenFileNames(owner(), title, QString(), filters.join(";;"),
                                                 nullptr, QFileDialog::HideNameFilterDetails);
        };
    }
}

QStringList QtFileDialogs::openFiles(const QString& title, const QString& filter)
{
    QStringList picked = m_pick(title, toQtNameFilters(filter));
    for (QString& path : picked)
        path = QDir::toNativeSeparators(path);
    return picked;
}

QString QtFileDialogs::saveFile(const QString& title, const QString& filter)
{
    QFileDialog dialog(owner(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(toQtNameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

QString QtFolderBrowser::browse(const QString& prompt, const QString& initialFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(owner(), prompt, initialFolder,
                                                             QFileDialog::ShowDirsOnly);
    return QDir::toNativeSeparators(chosen);
}

} // namespace quillfen

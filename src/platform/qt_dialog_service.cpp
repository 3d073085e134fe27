#include "platform/qt_dialog_service.h"

#include "platform/ansi_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tulvane::platform {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        break;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QString caption(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        break;
    case MessageAnswer::Cancel:
        return QStringLiteral("Annuler");
    case MessageAnswer::Yes:
        return QStringLiteral("Oui");
    case MessageAnswer::No:
        return QStringLiteral("Non");
    }
    return QStringLiteral("OK");
}

// The original platform's patterns ignore case and take "[" literally; Qt's wildcards do
// neither, so each letter becomes a set of its two cases.
QString caselessPattern(const QString& pattern)
{
    if (pattern == u"*.*")
        return QStringLiteral("*");
    QString out;
    for (const QChar c : pattern) {
        if (c == u'[') {
            out += QStringLiteral("[[]");
        } else if (c.unicode() < 128 && c.isLetter()) {
            out += u'[';
            out += c.toLower();
            out += c.toUpper();
            out += u']';
        } else {
            out += c;
        }
    }
    return out;
}

// The dialog shows only the descriptions, as the original platform does; the patterns stay
// in the filters for matching.
void prepare(QFileDialog& dialog, const QString& filter, const QString& fileName)
{
    const QStringList filters = qtNameFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Types de fichiers :"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
}

}  // namespace

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';')) {
            if (const QString p = pattern.trimmed(); !p.isEmpty())
                patterns += caselessPattern(p);
        }
        if (!patterns.isEmpty())
            filters += parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

QString confirmSavePath(const SaveRequest& request, DialogService& asker,
                        const std::function<QString(const QString& proposed)>& pick)
{
    QString proposed = request.fileName;
    for (;;) {
        const QString path = pick(proposed);
        if (path.isEmpty())
            return {};
        proposed = path;
        if (const QString obstacle = writeObstacle(path); !obstacle.isEmpty()) {
            asker.messageBox(obstacle + QStringLiteral("\nVeuillez choisir un autre nom."),
                             request.title, MessageIcon::Exclamation, MessageButtons::Ok);
            continue;
        }
        if (!QFileInfo::exists(path))
            return path;
        const QString replace =
            QStringLiteral("Le fichier '%1' existe déjà.\nVoulez-vous le remplacer ?").arg(path);
        if (asker.messageBox(replace, request.title, MessageIcon::Exclamation,
                             MessageButtons::YesNo) == MessageAnswer::Yes)
            return path;
    }
}

MessageAnswer QtDialogService::messageBox(const QString& text, const QString& title,
                                          MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    // Paths and tag texts go into messages: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    const std::vector<MessageAnswer> answers = answersOf(buttons);
    for (const MessageAnswer answer : answers)
        box.addButton(qtButton(answer))->setText(caption(answer));
    box.setDefaultButton(qtButton(answers.front()));
    box.setEscapeButton(box.button(qtButton(escapeAnswer(buttons))));
    box.exec();
    for (const MessageAnswer answer : answers) {
        if (box.clickedButton() == box.button(qtButton(answer)))
            return answer;
    }
    return escapeAnswer(buttons);
}

QString QtDialogService::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QStringList QtDialogService::showOpen(const OpenRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!request.mustExist)
        dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, request.filter, request.fileName);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Ouvrir"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtDialogService::showSave(const SaveRequest& request)
{
    return confirmSavePath(request, *this, [&request](const QString& proposed) {
        QFileDialog dialog(QApplication::activeWindow(), request.title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Replacing is asked by confirmSavePath, in French, after the read-only check.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        prepare(dialog, request.filter, proposed);
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    });
}

}  // namespace tulvane::platform

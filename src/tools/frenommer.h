#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimer>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
}

namespace tulvane::tools {

// Renames on disk the files of the selected play-list rows, every new name built from one
// mask, after a verification of the whole preview.
class FRenommer final : public QDialog {
public:
    explicit FRenommer(app::Contexte& contexte, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label7;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* Text1;  // the mask
    QLabel* Label2;
    QComboBox* Combo1;  // the tokens
    std::array<QLabel*, 3> Label3{};
    QLineEdit* Text2;                      // the counter start
    std::array<QComboBox*, 3> Combo2{};    // (1) the increment, (2) the digit count; (0) unused
    std::array<QPushButton*, 3> Command1{};  // (0) "&Annuler", (1) "&Exécuter", (2) "Insérer"
    platform::ListView* ListView1;         // the preview: old name, new name; the folder as tag
    QProgressBar* ProgressBar1;
    QTimer Timer1;

    void Form_Resize();
    void Text1_Change();
    void Text1_GotFocus();
    void Text2_Change();
    void Combo2_Click(int Index);
    void Command1_Click(int Index);
    void Timer1_Timer();

    void fnInsérer();
    void fnExecuter();
    bool fnRenommer(const QString& vfnAnom, const QString& vfnNnom);
    void fnRenommerListe(const QString& vfnAnom, const QString& vfnNnom, const QString& vfnNomSeul);
    bool fnVerifier();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Form_Load();

    app::Contexte& ctx_;
    // The play-list rows of each path, made when a run starts, so that re-pointing a row
    // does not scan the whole list for every file.
    QHash<QString, QList<int>> lignesDuChemin_;
};

}  // namespace tulvane::tools

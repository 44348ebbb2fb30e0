#pragma once
// The settings dialog: four pages (settings, records, help, version) whose controls are the
// live settings and records of the game, and the OK hand-over of the choice to the main window.
// The version picture is read from the game's resources (":/images/VersionKeyImg.jpg").

#include "store.h"

#include <QDialog>
#include <QMessageBox>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace zelmo {

class RadioGroup;

class TOption_Form : public QDialog
{
    Q_OBJECT

public:
    explicit TOption_Form(QWidget *parent = nullptr);
    ~TOption_Form() override;
    TOption_Form(const TOption_Form &) = delete;
    TOption_Form &operator=(const TOption_Form &) = delete;

    // The live settings the game reads.
    std::int32_t category() const; // chosen item of Moji_Syurui, 0..15
    std::int32_t level() const;    // chosen item of Moji_Lebel
    bool soundPlay() const;
    bool arrayJyunban() const;
    QString titleText() const; // caption of AppTitleVerLbl
    RecordStore &store() { return m_store; }
    const RecordStore &store() const { return m_store; }

    // Receives the choice when the dialog closes: the chosen category's best score and the
    // captions of the chosen category and level.
    std::function<void(std::int32_t gameHiScore, const QString &syuruiName,
                       const QString &lebelName)>
        handOver;
    // Asks whether to reset the records; the default shows a modal message box.
    std::function<QMessageBox::StandardButton(QWidget *parent, const QString &text,
                                              const QString &caption)>
        askReset;

    // Controls, by their given names.
    QTabWidget *OptionSheet = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *JyohouBtn = nullptr;
    RadioGroup *Moji_Syurui = nullptr;
    QLabel *MojiLebelLbl = nullptr;
    QComboBox *Moji_Lebel = nullptr;
    QCheckBox *ArrayJyunban = nullptr;
    QCheckBox *SoundPlay = nullptr;
    QPlainTextEdit *HelpMemo = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *DateLbl = nullptr;
    QLabel *MynameLbl = nullptr;
    QLabel *AppTitleVerLbl = nullptr;
    QLabel *VersionKeyImg = nullptr;
    QLabel *MailTitleLbl = nullptr;
    QLabel *MailAddLbl = nullptr;
    QLabel *HomepageTitleLbl = nullptr;
    QLabel *HomepageAddLbl = nullptr;

    // The records page's labels of category k (row k).
    QLabel *hiScoreLabel(int k) const;
    QLabel *seikairituLabel(int k) const;
    QLabel *timeLabel(int k) const;

    // Event handlers, each run through the error guard.
    void FormCreate();
    void Moji_SyuruiClick();
    void OkBtnClick();
    void OptionSheetChange();
    void JyohouBtnClick();
    void HomepageAddLblClick2();
    void HomepageAddLblMouseEnter2();
    void HomepageAddLblMouseLeave2();
    void MailAddLblClick2();
    void MailAddLblMouseEnter2();
    void MailAddLblMouseLeave2();

    // Decodes a JPEG into VersionKeyImg; a damaged picture is reported and leaves it empty.
    void loadVersionPicture(std::span<const std::uint8_t> jpeg);

public slots:
    // A close without OK (Escape, the window manager) hands the choice over as OK does.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildSettingsPage(QWidget *page);
    void buildRecordsPage(QWidget *page);
    void buildHelpPage(QWidget *page);
    void buildVersionPage(QWidget *page);
    void fillLevels(std::int32_t category);
    void showRecords();
    void setLinkLook(QLabel *label, bool hover);

    RecordStore m_store;
    std::array<QLabel *, 16> m_hiScoreLbl{};
    std::array<QLabel *, 16> m_seikairituLbl{};
    std::array<QLabel *, 16> m_timeLbl{};
};

} // namespace zelmo

#include "game/categories.h"
#include "game/Option.h"
#include "game/optionlayout.h"
#include "game/radiogroup.h"

#include "platform/guard.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace zelmo;
namespace L = zelmo::optionlayout;
namespace reg = platform::registry;
using platform::HKEY_CURRENT_USER;

namespace {

constexpr const char *Section = "Software\\zelmo_dan";

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRect rect(const L::Rect &r)
{
    return {r.left, r.top, r.width, r.height};
}

struct HandOver
{
    int calls = 0;
    std::int32_t gameHiScore = -1;
    QString syuruiName;
    QString lebelName;
};

// A fresh hive folder, a recorder for the error guard and for opened links, and the dialog.
class Dialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string templ = (std::filesystem::temp_directory_path() / "dialog_test.XXXXXX");
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        m_dir = templ;
        setenv("ZELMO_REGISTRY_DIR", m_dir.c_str(), 1);
        platform::setErrorReporter([this](const std::string &text) { errors.push_back(text); });
        platform::setUrlOpener([this](std::string_view target) { opened.emplace_back(target); });
    }
    void TearDown() override
    {
        form.reset();
        platform::setUrlOpener(nullptr);
        platform::setErrorReporter(nullptr);
        unsetenv("ZELMO_REGISTRY_DIR");
        std::filesystem::remove_all(m_dir);
    }

    void put(const std::string &name, const reg::Value &v)
    {
        reg::Hive hive(HKEY_CURRENT_USER);
        hive.createKey(Section);
        hive.writeValue(Section, name, v);
    }

    TOption_Form &create()
    {
        form = std::make_unique<TOption_Form>();
        form->handOver = [this](std::int32_t best, const QString &syurui, const QString &lebel) {
            ++handed.calls;
            handed.gameHiScore = best;
            handed.syuruiName = syurui;
            handed.lebelName = lebel;
        };
        return *form;
    }

    // A click on the item's indicator, which every item has whatever the length of its text.
    void clickCategory(int k)
    {
        QRadioButton *item = form->Moji_Syurui->button(k);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(10, item->height() / 2));
    }

    QStringList levelItems() const
    {
        QStringList items;
        for (int i = 0; i < form->Moji_Lebel->count(); ++i)
            items << form->Moji_Lebel->itemText(i);
        return items;
    }

    template <typename W> W *child(const QString &name) const
    {
        W *w = form->findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    std::unique_ptr<TOption_Form> form;
    HandOver handed;
    std::vector<std::string> errors;
    std::vector<std::string> opened;
    std::filesystem::path m_dir;
};

} // namespace

TEST_F(Dialog, WindowAndButtons)
{
    TOption_Form &f = create();
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("ゼルモ団"));
    EXPECT_EQ(f.minimumSize(), QSize(L::ClientWidth, L::ClientHeight));
    EXPECT_EQ(f.maximumSize(), QSize(L::ClientWidth, L::ClientHeight));
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(f.palette().color(QPalette::Window), f.palette().color(QPalette::Button));
    EXPECT_EQ(f.font().pixelSize(), L::FormFont);

    EXPECT_EQ(f.OptionSheet->geometry(), rect(L::OptionSheet));
    EXPECT_EQ(f.OptionSheet->font().pixelSize(), L::SheetFont);
    const char *names[] = {"Settei", "Jyohou", "Help", "Version"};
    const QString captions[] = {"設定", "情報", "ヘルプ", "バージョン"};
    ASSERT_EQ(f.OptionSheet->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.OptionSheet->widget(i)->objectName(), names[i]);
        EXPECT_EQ(f.OptionSheet->tabText(i), captions[i]);
    }
    EXPECT_EQ(f.OptionSheet->currentIndex(), 0);

    EXPECT_EQ(f.OkBtn->text(), QStringLiteral("O  K"));
    EXPECT_EQ(f.OkBtn->geometry(), rect(L::OkBtn));
    EXPECT_EQ(f.JyohouBtn->text(), QStringLiteral("情報のリセット"));
    EXPECT_EQ(f.JyohouBtn->geometry(), rect(L::JyohouBtn));
    EXPECT_TRUE(f.JyohouBtn->isHidden());
    for (QPushButton *b : {f.OkBtn, f.JyohouBtn}) {
        EXPECT_EQ(b->font().pixelSize(), L::ButtonFont);
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
    }
    EXPECT_EQ(L::centredOn({0, 0, 1024, 768}), (L::Place{152, 114}));
}

TEST_F(Dialog, SettingsPage)
{
    TOption_Form &f = create();
    EXPECT_EQ(f.Moji_Syurui->geometry(), rect(L::Moji_Syurui));
    EXPECT_EQ(f.Moji_Syurui->title(), QStringLiteral("文字の種類"));
    ASSERT_EQ(f.Moji_Syurui->count(), CategoryCount);
    for (int k = 0; k < CategoryCount; ++k)
        EXPECT_EQ(f.Moji_Syurui->itemText(k), qs(categories[static_cast<std::size_t>(k)].item));
    EXPECT_EQ(f.Moji_Syurui->itemText(0), QStringLiteral("基礎 ローマ字入力\u3000"));
    for (int row = 0; row < 8; ++row) {
        const QRect left = f.Moji_Syurui->button(row)->geometry();
        const QRect right = f.Moji_Syurui->button(row + 8)->geometry();
        EXPECT_EQ(left.top(), right.top());
        EXPECT_LT(left.right(), right.left());
        if (row > 0) {
            EXPECT_GT(left.top(), f.Moji_Syurui->button(row - 1)->geometry().bottom());
        }
    }
    EXPECT_LE(f.Moji_Syurui->button(7)->geometry().bottom(), L::Moji_Syurui.height);
    EXPECT_EQ(f.category(), 0);

    EXPECT_EQ(f.MojiLebelLbl->text(), QStringLiteral("レベルの選択"));
    EXPECT_EQ(f.MojiLebelLbl->geometry(), rect(L::MojiLebelLbl));
    EXPECT_EQ(f.Moji_Lebel->geometry(), rect(L::Moji_Lebel));
    EXPECT_FALSE(f.Moji_Lebel->isEditable());
    EXPECT_EQ(f.Moji_Lebel->maxVisibleItems(), 10);
    EXPECT_EQ(f.level(), 0);
    EXPECT_EQ(f.Moji_Lebel->currentText(), QStringLiteral("中段"));

    EXPECT_EQ(f.ArrayJyunban->text(), QStringLiteral("文字の出力順をランダムにする"));
    EXPECT_EQ(f.ArrayJyunban->geometry(), rect(L::ArrayJyunban));
    EXPECT_EQ(f.SoundPlay->text(), QStringLiteral("効果音を鳴らす"));
    EXPECT_EQ(f.SoundPlay->geometry(), rect(L::SoundPlay));
    EXPECT_TRUE(f.soundPlay());
    EXPECT_TRUE(f.arrayJyunban());
}

TEST_F(Dialog, RecordsPage)
{
    TOption_Form &f = create();
    const std::pair<const char *, L::Rect> headers[] = {{"HiScoreLabel", L::HiScoreLabel},
                                                        {"SeikairituLabel", L::SeikairituLabel},
                                                        {"TimeLabel", L::TimeLabel}};
    for (const auto &[name, r] : headers) {
        auto *label = child<QLabel>(name);
        EXPECT_EQ(label->geometry(), rect(r));
        EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignBottom);
    }
    EXPECT_EQ(child<QLabel>("HiScoreLabel")->text(), QStringLiteral("最 高 得 点"));
    EXPECT_EQ(child<QLabel>("SeikairituLabel")->text(), QStringLiteral("正 解 率"));
    EXPECT_EQ(child<QLabel>("TimeLabel")->text(), QStringLiteral("練 習 時 間"));

    for (int k = 0; k < CategoryCount; ++k) {
        const Category &c = categories[static_cast<std::size_t>(k)];
        const QString w = qs(c.word);
        const QColor band = k % 2 == 0 ? QColor(192, 220, 192) : QColor(166, 202, 240);
        const std::tuple<QString, L::RecordColumn, QString, Qt::Alignment> cells[] = {
            {"HiScore" + w + "Lbl", L::RecordColumn::HiScore, "0", Qt::AlignRight},
            {"Seikairitu" + w + "Lbl", L::RecordColumn::Seikairitu, "0.00", Qt::AlignRight},
            {"Par_Lbl" + QString::number(k + 1), L::RecordColumn::Par, "%", Qt::AlignRight},
            {"Time" + w + "Lbl", L::RecordColumn::Time, "0:00:00", Qt::AlignRight},
            {w + "Label", L::RecordColumn::Name, qs(c.recordName), Qt::AlignLeft},
        };
        int right = L::recordColumns[0].left;
        for (const auto &[name, column, text, align] : cells) {
            auto *label = child<QLabel>(name);
            EXPECT_EQ(label->geometry(), rect(L::recordCell(k, column))) << name.toStdString();
            EXPECT_EQ(label->geometry().left(), right) << "one band without gaps";
            right = label->geometry().right() + 1;
            EXPECT_EQ(label->text(), text) << name.toStdString();
            EXPECT_EQ(label->alignment(), align | Qt::AlignBottom);
            EXPECT_TRUE(label->autoFillBackground());
            EXPECT_EQ(label->palette().color(QPalette::Window), band);
        }
        EXPECT_EQ(right, 680);
        EXPECT_EQ(f.hiScoreLabel(k)->objectName(), "HiScore" + w + "Lbl");
        EXPECT_EQ(f.seikairituLabel(k)->objectName(), "Seikairitu" + w + "Lbl");
        EXPECT_EQ(f.timeLabel(k)->objectName(), "Time" + w + "Lbl");
    }
    EXPECT_EQ(child<QLabel>("MojiRandomR2Label")->text(),
              QStringLiteral("  ランダム ローマ字入力（小・大文字の混合）"));
    EXPECT_EQ(child<QLabel>("WarizanLabel")->geometry().top(), 370);
}

TEST_F(Dialog, HelpPage)
{
    TOption_Form &f = create();
    EXPECT_EQ(f.HelpMemo->geometry(), rect(L::HelpMemo));
    EXPECT_TRUE(f.HelpMemo->isReadOnly());
    EXPECT_EQ(f.HelpMemo->font().pixelSize(), 20);
    EXPECT_EQ(f.HelpMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(f.HelpMemo->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    const QString text = f.HelpMemo->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("\u3000\n\n  使い方及び説明\n")));
    const QStringList lines = text.split('\n');
    EXPECT_NEAR(static_cast<double>(f.HelpMemo->blockCount()), 269, 5);
    EXPECT_NEAR(static_cast<double>(text.size() - lines.size() + 1), 2639, 200);

    const QString headings[] = {"＊「スタート」ボタン",
                                "＊「ストップ」ボタン",
                                "＊「終了」ボタン",
                                "＊「設定」ボタン",
                                "＊「ヘルプ」ボタン",
                                "＊画面左上の一番目の文字",
                                "＊画面左上の二番目の文字",
                                "＊画面中央上　「ハイスコア」",
                                "＊画面右上の一番目　「ライフ」",
                                "＊画面右上の二番目　「スコア」",
                                "＊中央下の枠",
                                "＊「文字の種類」　及び　「レベルの選択」",
                                "＊「文字の出力順をランダムにする」",
                                "＊「効果音を鳴らす」",
                                "＊「情報」",
                                "＊「情報のリセット」ボタン",
                                "＊「バージョン」"};
    QStringList found;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QStringLiteral("＊")))
            continue;
        found << lines[i];
        ASSERT_LT(i + 2, lines.size());
        EXPECT_TRUE(lines[i + 1].isEmpty()) << lines[i].toStdString();
        EXPECT_TRUE(lines[i + 2].startsWith(QStringLiteral("\u3000"))) << lines[i].toStdString();
    }
    EXPECT_EQ(found, QStringList(std::begin(headings), std::end(headings)));

    // Every level item appears in the list of its category, numbered from レベル１.
    for (const Category &c : categories)
        for (std::size_t i = 0; i < c.levels.size(); ++i) {
            const QString number = QString::number(i + 1);
            QString wide;
            for (QChar digit : number)
                wide += QChar(digit.unicode() - u'0' + u'０');
            EXPECT_TRUE(text.contains("レベル" + wide + "\u3000" + qs(c.levels[i])))
                << c.word << " " << i;
        }
}

TEST_F(Dialog, VersionPage)
{
    TOption_Form &f = create();
    EXPECT_EQ(f.Panel1->geometry(), rect(L::Panel1));
    const std::pair<QLabel *, L::Place> places[] = {{f.DateLbl, L::DateLbl},
                                                    {f.MynameLbl, L::MynameLbl},
                                                    {f.AppTitleVerLbl, L::AppTitleVerLbl},
                                                    {f.MailTitleLbl, L::MailTitleLbl},
                                                    {f.MailAddLbl, L::MailAddLbl},
                                                    {f.HomepageTitleLbl, L::HomepageTitleLbl},
                                                    {f.HomepageAddLbl, L::HomepageAddLbl}};
    for (const auto &[label, at] : places) {
        EXPECT_EQ(label->parentWidget(), f.Panel1);
        EXPECT_EQ(label->pos(), QPoint(at.left, at.top)) << label->objectName().toStdString();
        EXPECT_GE(label->width(), label->sizeHint().width());
        EXPECT_TRUE(f.Panel1->rect().contains(label->geometry()))
            << label->objectName().toStdString();
    }
    EXPECT_EQ(f.DateLbl->text(), QStringLiteral("2003.11.03"));
    EXPECT_EQ(f.titleText(), QStringLiteral("ゼ　ル　モ　団　３ｄ"));
    EXPECT_TRUE(f.AppTitleVerLbl->font().bold());
    EXPECT_EQ(f.AppTitleVerLbl->font().pixelSize(), 33);
    EXPECT_EQ(f.DateLbl->font().pixelSize(), 20);
    EXPECT_EQ(f.MailTitleLbl->text(), QStringLiteral("メール"));
    EXPECT_EQ(f.HomepageTitleLbl->text(), QStringLiteral("ホームページ"));
    EXPECT_EQ(f.MailAddLbl->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(f.HomepageAddLbl->cursor().shape(), Qt::PointingHandCursor);

    EXPECT_EQ(f.VersionKeyImg->geometry(), rect(L::VersionKeyImg));
    const QPixmap picture = f.VersionKeyImg->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(128, 53));
}

TEST_F(Dialog, EveryTextSurvivesCodePage932)
{
    TOption_Form &f = create();
    QStringList texts{f.windowTitle(), f.HelpMemo->toPlainText()};
    for (int i = 0; i < f.OptionSheet->count(); ++i)
        texts << f.OptionSheet->tabText(i);
    for (const QLabel *label : f.findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : f.findChildren<QAbstractButton *>())
        texts << button->text();
    texts << f.Moji_Syurui->title();
    for (const Category &c : categories)
        for (std::string_view level : c.levels)
            texts << qs(level);
    for (const QString &text : texts) {
        const std::u16string wide = text.toStdU16String();
        EXPECT_EQ(platform::fromCp932(platform::toCp932(wide)), wide) << text.toStdString();
    }
}

TEST_F(Dialog, DamagedPictureIsReportedAndTheDialogGoesOn)
{
    TOption_Form &f = create();
    QFile file(QStringLiteral(":/images/VersionKeyImg.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll().left(600);
    std::vector<std::uint8_t> truncated(bytes.begin(), bytes.end());
    f.loadVersionPicture(truncated);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(f.VersionKeyImg->pixmap().isNull());
    f.OkBtnClick();
    EXPECT_EQ(handed.calls, 1);
}

TEST_F(Dialog, LevelListsFollowTheCategory)
{
    TOption_Form &f = create();
    f.show();
    std::vector<QStringList> lists;
    for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}) {
        clickCategory(k);
        EXPECT_EQ(f.category(), k);
        QStringList expected;
        for (std::string_view item : categories[static_cast<std::size_t>(k)].levels)
            expected << qs(item);
        EXPECT_EQ(levelItems(), expected) << k;
        EXPECT_EQ(f.level(), 0);
        lists.resize(16);
        lists[static_cast<std::size_t>(k)] = levelItems();
    }
    EXPECT_EQ(lists[3], lists[4]);
    EXPECT_EQ(lists[4], lists[5]);
    EXPECT_EQ(lists[10], QStringList{QStringLiteral("A ～ Z")});
    EXPECT_EQ(lists[11], QStringList{QStringLiteral("ｱ ～ ﾝ")});
    EXPECT_EQ(lists[9].size(), 10);
}

TEST_F(Dialog, LevelListDropsDownAllTenItems)
{
    TOption_Form &f = create();
    f.show();
    clickCategory(JpKanji);
    f.Moji_Lebel->showPopup();
    QAbstractItemView *view = f.Moji_Lebel->view();
    ASSERT_TRUE(view->isVisible());
    for (int i = 0; i < 10; ++i) {
        const QRect item = view->visualRect(view->model()->index(i, 0));
        EXPECT_EQ(item.height(), L::LebelItemHeight);
        EXPECT_TRUE(view->viewport()->rect().contains(item)) << i;
    }
    view->window()->grab().save(QStringLiteral(ZELMO_SHOTS_DIR "/levels.png"));
    f.Moji_Lebel->hidePopup();
}

TEST_F(Dialog, ClickOnTheChosenCategoryKeepsTheLevel)
{
    TOption_Form &f = create();
    f.show();
    clickCategory(9);
    f.Moji_Lebel->setCurrentIndex(5);
    clickCategory(9);
    EXPECT_EQ(f.level(), 5);
    clickCategory(12);
    EXPECT_EQ(f.level(), 0);
}

TEST_F(Dialog, ArrowKeysChangeTheCategory)
{
    TOption_Form &f = create();
    f.show();
    clickCategory(9);
    f.Moji_Lebel->setCurrentIndex(3);
    QTest::keyClick(f.Moji_Syurui->button(9), Qt::Key_Down);
    EXPECT_EQ(f.category(), 10);
    EXPECT_EQ(levelItems(), QStringList{QStringLiteral("A ～ Z")});
    EXPECT_EQ(f.level(), 0);
    QTest::keyClick(f.Moji_Syurui->button(10), Qt::Key_Up);
    QTest::keyClick(f.Moji_Syurui->button(9), Qt::Key_Left);
    EXPECT_EQ(f.category(), 8);
    QTest::keyClick(f.Moji_Syurui->button(8), Qt::Key_Right);
    EXPECT_EQ(f.category(), 9);
    EXPECT_EQ(levelItems().size(), 10);
    clickCategory(0);
    QTest::keyClick(f.Moji_Syurui->button(0), Qt::Key_Up);
    EXPECT_EQ(f.category(), 15);
}

TEST_F(Dialog, OkHandsOverTheChoice)
{
    put("HiScoreRomajiKiso", reg::dwordValue(420));
    put("HiScoreJpKanji", reg::dwordValue(777));
    TOption_Form &f = create();
    f.show();
    QTest::mouseClick(f.OkBtn, Qt::LeftButton);
    EXPECT_EQ(handed.calls, 1);
    EXPECT_EQ(handed.gameHiScore, 420);
    EXPECT_EQ(handed.syuruiName, QStringLiteral("基礎 ローマ字入力\u3000"));
    EXPECT_EQ(handed.lebelName, QStringLiteral("中段"));
    EXPECT_FALSE(f.isVisible());

    f.show();
    f.OptionSheet->setCurrentIndex(2);
    f.OptionSheet->setCurrentIndex(0);
    clickCategory(9);
    f.Moji_Lebel->setCurrentIndex(6);
    QTest::mouseClick(f.OkBtn, Qt::LeftButton);
    EXPECT_EQ(handed.gameHiScore, 777);
    EXPECT_EQ(handed.syuruiName, QStringLiteral("漢字・熟語・慣用句・ことわざ・百人一首"));
    EXPECT_EQ(handed.lebelName, QStringLiteral("四字熟語"));
    EXPECT_EQ(f.category(), 9) << "the dialog keeps its state when hidden";
    EXPECT_EQ(f.level(), 6);
}

TEST_F(Dialog, ResetAsksAndClearsTheRecords)
{
    put("HiScoreEigo", reg::dwordValue(500));
    put("SeikairituEigo_A", reg::dwordValue(1));
    put("SeikairituEigo_H", reg::dwordValue(3));
    put("SoundPlay", reg::stringValue("0"));
    TOption_Form &f = create();
    QString askedText, askedCaption;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    f.askReset = [&](QWidget *parent, const QString &text, const QString &caption) {
        EXPECT_EQ(parent, &f);
        askedText = text;
        askedCaption = caption;
        return answer;
    };
    f.show();
    f.OptionSheet->setCurrentIndex(1);
    QTest::mouseClick(f.JyohouBtn, Qt::LeftButton);
    EXPECT_EQ(askedText, QStringLiteral("情報の一覧を全てリセットしまか ？"));
    EXPECT_EQ(askedCaption, QStringLiteral("メッセージ !?"));
    EXPECT_EQ(f.hiScoreLabel(Eigo)->text(), QStringLiteral("500"));
    EXPECT_EQ(f.seikairituLabel(Eigo)->text(), QStringLiteral("25.00"));

    answer = QMessageBox::Ok;
    clickCategory(Eigo);
    QTest::mouseClick(f.JyohouBtn, Qt::LeftButton);
    EXPECT_EQ(f.hiScoreLabel(Eigo)->text(), QStringLiteral("0"));
    EXPECT_EQ(f.seikairituLabel(Eigo)->text(), QStringLiteral("0.00"));
    EXPECT_EQ(f.timeLabel(Eigo)->text(), QStringLiteral("0:00:00"));
    EXPECT_EQ(f.store().SeikairituCounts[Eigo].A, 0);
    EXPECT_FALSE(f.SoundPlay->isChecked());
    EXPECT_EQ(reg::Hive(HKEY_CURRENT_USER).readValue(Section, "HiScoreEigo"), reg::dwordValue(500));

    f.OkBtnClick();
    EXPECT_EQ(handed.gameHiScore, 0);
}

TEST_F(Dialog, DefaultResetQuestionIsAPlainOkCancelBox)
{
    TOption_Form &f = create();
    f.show();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("メッセージ !?"));
        EXPECT_EQ(box->text(), QStringLiteral("情報の一覧を全てリセットしまか ？"));
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        box->button(QMessageBox::Cancel)->click();
    });
    f.store().book(Obun, 99, 0, 0, 0);
    f.JyohouBtnClick();
    EXPECT_TRUE(seen);
    EXPECT_EQ(f.hiScoreLabel(Obun)->text(), QStringLiteral("99"));
}

TEST_F(Dialog, ResetButtonShowsOnTheRecordsPageOnly)
{
    TOption_Form &f = create();
    f.show();
    QTabBar *bar = f.OptionSheet->tabBar();
    for (int page : {1, 0, 1, 2, 1, 3}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        EXPECT_EQ(f.OptionSheet->currentIndex(), page);
        EXPECT_EQ(f.JyohouBtn->isVisible(), page == 1) << page;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    f.OkBtnClick();
    f.JyohouBtn->hide();
    f.OptionSheet->setCurrentIndex(2);
    f.show();
    EXPECT_FALSE(f.JyohouBtn->isVisible());
}

TEST_F(Dialog, LinkLabelsHoverAndOpen)
{
    TOption_Form &f = create();
    f.show();
    f.OptionSheet->setCurrentIndex(3);
    const QColor text = f.palette().color(QPalette::WindowText);
    for (QLabel *link : {f.HomepageAddLbl, f.MailAddLbl}) {
        for (int round = 0; round < 2; ++round) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(link, &enter);
            EXPECT_TRUE(link->font().bold());
            EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            EXPECT_GE(link->width(), link->sizeHint().width());
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(link, &leave);
            EXPECT_FALSE(link->font().bold());
            EXPECT_EQ(link->palette().color(QPalette::WindowText), text);
        }
    }
    QTest::mouseClick(f.HomepageAddLbl, Qt::LeftButton);
    QTest::mouseClick(f.MailAddLbl, Qt::LeftButton);
    QTest::mouseClick(f.MailAddLbl, Qt::RightButton);
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/zelmo_dan/",
                                                "mailto:zelmo-dan@example.org"}));
    EXPECT_TRUE(f.HomepageAddLbl->text().contains(QStringLiteral("example.org/zelmo_dan")));
    EXPECT_EQ(f.MailAddLbl->text(), QStringLiteral("zelmo-dan@example.org"));

    platform::setUrlOpener([](std::string_view) { throw std::runtime_error("no browser"); });
    QTest::mouseClick(f.HomepageAddLbl, Qt::LeftButton);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Dialog, CloseWithoutOkKeepsTheMainWindowInStep)
{
    put("HiScoreJpKanji", reg::dwordValue(777));
    put("HiScoreWarizan", reg::dwordValue(31));
    TOption_Form &f = create();
    f.show();
    clickCategory(9);
    f.Moji_Lebel->setCurrentIndex(2);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(handed.calls, 1);
    EXPECT_EQ(handed.gameHiScore, 777);
    EXPECT_EQ(handed.syuruiName, QStringLiteral("漢字・熟語・慣用句・ことわざ・百人一首"));
    EXPECT_EQ(handed.lebelName, QStringLiteral("小学校３年生"));

    f.show();
    clickCategory(15);
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(handed.calls, 2);
    EXPECT_EQ(handed.gameHiScore, 31);
    EXPECT_EQ(handed.lebelName, QStringLiteral("1桁 ÷ 1桁"));
}

TEST_F(Dialog, CheckBoxesAndStoreStayInStep)
{
    put("ArrayJyunban", reg::stringValue("0"));
    TOption_Form &f = create();
    f.show();
    EXPECT_FALSE(f.ArrayJyunban->isChecked());
    EXPECT_FALSE(f.arrayJyunban());
    EXPECT_TRUE(f.SoundPlay->isChecked());
    QTest::mouseClick(f.SoundPlay, Qt::LeftButton);
    EXPECT_FALSE(f.store().SoundPlay);
    EXPECT_FALSE(f.soundPlay());
    QTest::mouseClick(f.ArrayJyunban, Qt::LeftButton);
    EXPECT_TRUE(f.store().ArrayJyunban);
    f.store().reset();
    EXPECT_FALSE(f.SoundPlay->isChecked());
    EXPECT_TRUE(f.ArrayJyunban->isChecked());
}

TEST_F(Dialog, FailedLoadIsReportedAndKeepsTheFormState)
{
    put("SoundPlay", reg::stringValue("0"));
    put("HiScoreWabun", reg::dwordValue(66));
    put("SeikairituWabun_A", reg::dwordValue(1));
    put("TimeRomajiKiso", reg::binaryValue(std::array<std::uint8_t, 8>{}));
    put("TimeKanaKiso", reg::dwordValue(7));
    TOption_Form &f = create();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "'TimeKanaKiso' のデータ型が不正です");
    EXPECT_FALSE(f.SoundPlay->isChecked());
    EXPECT_EQ(f.hiScoreLabel(Wabun)->text(), QStringLiteral("66"));
    EXPECT_EQ(f.timeLabel(RomajiKiso)->text(), QStringLiteral("0:00:00"));
    for (int k = 0; k < CategoryCount; ++k) {
        EXPECT_EQ(f.seikairituLabel(k)->text(), QStringLiteral("0"));
        if (k >= KanaKiso) {
            EXPECT_EQ(f.timeLabel(k)->text(), QStringLiteral("0"));
        }
    }
    f.OptionSheet->setCurrentIndex(0);
    clickCategory(Wabun);
    f.OkBtnClick();
    EXPECT_EQ(handed.gameHiScore, 66);
}

TEST_F(Dialog, BookingShowsOnTheRecordsPage)
{
    TOption_Form &f = create();
    f.store().book(Kakezan, 250, 1, 3, 2.5 / 86400);
    EXPECT_EQ(f.hiScoreLabel(Kakezan)->text(), QStringLiteral("250"));
    EXPECT_EQ(f.seikairituLabel(Kakezan)->text(), QStringLiteral("25.00"));
    EXPECT_EQ(f.timeLabel(Kakezan)->text(), QStringLiteral("0:00:02"));
}

// Pictures of the four pages for a person to look at (build folder, tests/game/shots).
TEST_F(Dialog, ScreenshotsOfTheFourPages)
{
    put("HiScoreRomajiKiso", reg::dwordValue(1234));
    put("SeikairituRomajiKiso_A", reg::dwordValue(2));
    put("SeikairituRomajiKiso_H", reg::dwordValue(1));
    put("TimeKanaKiso", reg::binaryValue([] {
            const auto bits = std::bit_cast<std::uint64_t>(25.0 / 24 + 61.0 / 86400);
            std::array<std::uint8_t, 8> bytes{};
            for (std::size_t i = 0; i < 8; ++i)
                bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
            return bytes;
        }()));
    TOption_Form &f = create();
    f.show();
    ASSERT_TRUE(QDir().mkpath(ZELMO_SHOTS_DIR));
    for (int page = 0; page < 4; ++page) {
        QTest::mouseClick(f.OptionSheet->tabBar(), Qt::LeftButton, {},
                          f.OptionSheet->tabBar()->tabRect(page).center());
        if (page == 3) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(f.HomepageAddLbl, &enter);
        }
        const QString file = QStringLiteral(ZELMO_SHOTS_DIR "/page%1.png").arg(page);
        EXPECT_TRUE(f.grab().save(file)) << file.toStdString();
    }
}

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

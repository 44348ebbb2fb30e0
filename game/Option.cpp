#include "Option.h"

#include "about.h"
#include "categories.h"
#include "optionlayout.h"
#include "radiogroup.h"

#include "platform/errors.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/jpeg.h"
#include "platform/jpeg_qt.h"
#include "platform/settings.h"
#include "platform/shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabWidget>

static void initDialogResources()
{
    Q_INIT_RESOURCE(dialog);
}

namespace zelmo {

namespace {

namespace L = optionlayout;

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void place(QWidget *w, const L::Rect &r)
{
    w->setGeometry(r.left, r.top, r.width, r.height);
}

QColor colour(L::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A label that sizes itself to its text, at a corner of its parent.
QLabel *autoLabel(const QString &text, L::Place at, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->move(at.left, at.top);
    label->adjustSize();
    return label;
}

QLabel *named(QLabel *label, const QString &name)
{
    label->setObjectName(name);
    return label;
}

// A panel framed by two 1-pixel lines: raised outside, sunken inside.
class BevelPanel : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        bevel(p, rect(), light, dark);
        bevel(p, rect().adjusted(1, 1, -1, -1), dark, light);
    }

private:
    static void bevel(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
    {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
};

// Items of one fixed height in the level list.
class FixedHeightDelegate : public QStyledItemDelegate
{
public:
    FixedHeightDelegate(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height)
    {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height;
};

QMessageBox::StandardButton askWithBox(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::vector<std::uint8_t> resourceBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::ErrorKind::Io,
                              "Cannot open resource " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

} // namespace

TOption_Form::TOption_Form(QWidget *parent) : QDialog(parent)
{
    initDialogResources();
    setWindowTitle(QStringLiteral("ゼルモ団"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    setFixedSize(L::ClientWidth, L::ClientHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setFont(platform::pixelFont(L::FormFont));

    OptionSheet = new QTabWidget(this);
    OptionSheet->setObjectName(QStringLiteral("OptionSheet"));
    place(OptionSheet, L::OptionSheet);
    OptionSheet->setFont(platform::pixelFont(L::SheetFont));
    const std::array<std::pair<const char *, QString>, 4> pages{{
        {"Settei", QStringLiteral("設定")},
        {"Jyohou", QStringLiteral("情報")},
        {"Help", QStringLiteral("ヘルプ")},
        {"Version", QStringLiteral("バージョン")},
    }};
    for (const auto &[name, caption] : pages) {
        auto *page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        OptionSheet->addTab(page, caption);
    }
    buildSettingsPage(OptionSheet->widget(0));
    buildRecordsPage(OptionSheet->widget(1));
    buildHelpPage(OptionSheet->widget(2));
    buildVersionPage(OptionSheet->widget(3));
    OptionSheet->setCurrentIndex(0);

    OkBtn = new QPushButton(QStringLiteral("O  K"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    JyohouBtn = new QPushButton(QStringLiteral("情報のリセット"), this);
    JyohouBtn->setObjectName(QStringLiteral("JyohouBtn"));
    for (QPushButton *button : {OkBtn, JyohouBtn}) {
        button->setFont(platform::pixelFont(L::ButtonFont));
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    place(OkBtn, L::OkBtn);
    place(JyohouBtn, L::JyohouBtn);
    JyohouBtn->hide();
    setTabOrder(OptionSheet, OkBtn);
    setTabOrder(OkBtn, JyohouBtn);

    connect(OptionSheet, &QTabWidget::currentChanged, this, [this] { OptionSheetChange(); });
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(JyohouBtn, &QPushButton::clicked, this, [this] { JyohouBtnClick(); });

    m_store.changed = [this] { showRecords(); };
    platform::guarded([this] {
        loadVersionPicture(resourceBytes(QStringLiteral(":/images/VersionKeyImg.jpg")));
    });
    FormCreate();
}

TOption_Form::~TOption_Form()
{
    m_store.changed = nullptr;
}

void TOption_Form::buildSettingsPage(QWidget *page)
{
    QStringList items;
    for (const Category &c : categories)
        items << qs(c.item);
    Moji_Syurui = new RadioGroup(QStringLiteral("文字の種類"), items, L::SyuruiColumns, page);
    Moji_Syurui->setObjectName(QStringLiteral("Moji_Syurui"));
    place(Moji_Syurui, L::Moji_Syurui);
    Moji_Syurui->setItemIndex(0);
    connect(Moji_Syurui, &RadioGroup::changed, this, [this] { Moji_SyuruiClick(); });

    MojiLebelLbl = new QLabel(QStringLiteral("レベルの選択"), page);
    MojiLebelLbl->setObjectName(QStringLiteral("MojiLebelLbl"));
    place(MojiLebelLbl, L::MojiLebelLbl);

    Moji_Lebel = new QComboBox(page);
    Moji_Lebel->setObjectName(QStringLiteral("Moji_Lebel"));
    place(Moji_Lebel, L::Moji_Lebel);
    Moji_Lebel->setEditable(false);
    Moji_Lebel->setMaxVisibleItems(L::LebelVisibleItems);
    Moji_Lebel->setItemDelegate(new FixedHeightDelegate(L::LebelItemHeight, Moji_Lebel));
    fillLevels(0);

    ArrayJyunban = new QCheckBox(QStringLiteral("文字の出力順をランダムにする"), page);
    ArrayJyunban->setObjectName(QStringLiteral("ArrayJyunban"));
    place(ArrayJyunban, L::ArrayJyunban);
    SoundPlay = new QCheckBox(QStringLiteral("効果音を鳴らす"), page);
    SoundPlay->setObjectName(QStringLiteral("SoundPlay"));
    place(SoundPlay, L::SoundPlay);
    ArrayJyunban->setChecked(m_store.ArrayJyunban);
    SoundPlay->setChecked(m_store.SoundPlay);
    connect(ArrayJyunban, &QCheckBox::toggled, this,
            [this](bool on) { m_store.ArrayJyunban = on; });
    connect(SoundPlay, &QCheckBox::toggled, this, [this](bool on) { m_store.SoundPlay = on; });

    setTabOrder(Moji_Lebel, SoundPlay);
    setTabOrder(SoundPlay, ArrayJyunban);
}

void TOption_Form::buildRecordsPage(QWidget *page)
{
    const auto header = [page](const QString &name, const QString &text, const L::Rect &r) {
        auto *label = named(new QLabel(text, page), name);
        label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        place(label, r);
    };
    header(QStringLiteral("HiScoreLabel"), QStringLiteral("最 高 得 点"), L::HiScoreLabel);
    header(QStringLiteral("SeikairituLabel"), QStringLiteral("正 解 率"), L::SeikairituLabel);
    header(QStringLiteral("TimeLabel"), QStringLiteral("練 習 時 間"), L::TimeLabel);

    for (int k = 0; k < CategoryCount; ++k) {
        const Category &c = categories[static_cast<std::size_t>(k)];
        const QString word = qs(c.word);
        const QColor band = colour(L::recordRowColour(k));
        const auto cell = [&](L::RecordColumn column, const QString &name, const QString &text,
                              Qt::Alignment horizontal) {
            auto *label = named(new QLabel(text, page), name);
            label->setAlignment(horizontal | Qt::AlignBottom);
            label->setAutoFillBackground(true);
            QPalette pal = label->palette();
            pal.setColor(QPalette::Window, band);
            label->setPalette(pal);
            place(label, L::recordCell(k, column));
            return label;
        };
        const auto i = static_cast<std::size_t>(k);
        m_hiScoreLbl[i] = cell(L::RecordColumn::HiScore, "HiScore" + word + "Lbl",
                               QStringLiteral("0"), Qt::AlignRight);
        m_seikairituLbl[i] = cell(L::RecordColumn::Seikairitu, "Seikairitu" + word + "Lbl",
                                  QStringLiteral("0"), Qt::AlignRight);
        cell(L::RecordColumn::Par, "Par_Lbl" + QString::number(k + 1), QStringLiteral("%"),
             Qt::AlignRight);
        m_timeLbl[i] =
            cell(L::RecordColumn::Time, "Time" + word + "Lbl", QStringLiteral("0"), Qt::AlignRight);
        cell(L::RecordColumn::Name, word + "Label", qs(c.recordName), Qt::AlignLeft);
    }
}

void TOption_Form::buildHelpPage(QWidget *page)
{
    HelpMemo = new QPlainTextEdit(page);
    HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
    place(HelpMemo, L::HelpMemo);
    HelpMemo->setFont(platform::pixelFont(L::MemoFont));
    HelpMemo->setReadOnly(true);
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFile help(QStringLiteral(":/help/help.txt"));
    if (help.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(help.readAll());
        if (text.endsWith(u'\n'))
            text.chop(1);
        HelpMemo->setPlainText(text);
    }
}

void TOption_Form::buildVersionPage(QWidget *page)
{
    Panel1 = new BevelPanel(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    place(Panel1, L::Panel1);
    const QFont text = platform::pixelFont(L::VersionFont);
    DateLbl = named(autoLabel(qs(about::ReleaseDate), L::DateLbl, text, Panel1),
                    QStringLiteral("DateLbl"));
    MynameLbl = named(autoLabel(qs(about::AuthorCredit), L::MynameLbl, text, Panel1),
                      QStringLiteral("MynameLbl"));
    AppTitleVerLbl = named(autoLabel(qs(about::TitleVersion), L::AppTitleVerLbl,
                                     platform::pixelFont(L::TitleFont, true), Panel1),
                           QStringLiteral("AppTitleVerLbl"));
    VersionKeyImg = named(new QLabel(Panel1), QStringLiteral("VersionKeyImg"));
    place(VersionKeyImg, L::VersionKeyImg);
    MailTitleLbl = named(autoLabel(QStringLiteral("メール"), L::MailTitleLbl, text, Panel1),
                         QStringLiteral("MailTitleLbl"));
    MailAddLbl = named(autoLabel(qs(about::MailAddress), L::MailAddLbl, text, Panel1),
                       QStringLiteral("MailAddLbl"));
    HomepageTitleLbl =
        named(autoLabel(QStringLiteral("ホームページ"), L::HomepageTitleLbl, text, Panel1),
              QStringLiteral("HomepageTitleLbl"));
    HomepageAddLbl = named(autoLabel(qs(about::HomepageAddress), L::HomepageAddLbl, text, Panel1),
                           QStringLiteral("HomepageAddLbl"));
    for (QLabel *link : {MailAddLbl, HomepageAddLbl}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

void TOption_Form::loadVersionPicture(std::span<const std::uint8_t> jpeg)
{
    VersionKeyImg->clear();
    platform::guarded([&] {
        const QImage image = platform::toQImage(platform::decodeJpeg(jpeg));
        VersionKeyImg->setPixmap(QPixmap::fromImage(image));
    });
}

QLabel *TOption_Form::hiScoreLabel(int k) const
{
    platform::checkRange(k, 0, CategoryCount - 1);
    return m_hiScoreLbl[static_cast<std::size_t>(k)];
}

QLabel *TOption_Form::seikairituLabel(int k) const
{
    platform::checkRange(k, 0, CategoryCount - 1);
    return m_seikairituLbl[static_cast<std::size_t>(k)];
}

QLabel *TOption_Form::timeLabel(int k) const
{
    platform::checkRange(k, 0, CategoryCount - 1);
    return m_timeLbl[static_cast<std::size_t>(k)];
}

std::int32_t TOption_Form::category() const
{
    return Moji_Syurui->itemIndex();
}

std::int32_t TOption_Form::level() const
{
    return Moji_Lebel->currentIndex();
}

bool TOption_Form::soundPlay() const
{
    return SoundPlay->isChecked();
}

bool TOption_Form::arrayJyunban() const
{
    return ArrayJyunban->isChecked();
}

QString TOption_Form::titleText() const
{
    return AppTitleVerLbl->text();
}

void TOption_Form::showRecords()
{
    for (int k = 0; k < CategoryCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        m_hiScoreLbl[i]->setText(QString::fromStdU16String(m_store.hiScoreCaption(k)));
        m_seikairituLbl[i]->setText(QString::fromStdU16String(m_store.accuracyCaption(k)));
        m_timeLbl[i]->setText(QString::fromStdU16String(m_store.timeCaption(k)));
    }
    SoundPlay->setChecked(m_store.SoundPlay);
    ArrayJyunban->setChecked(m_store.ArrayJyunban);
}

void TOption_Form::fillLevels(std::int32_t category)
{
    Moji_Lebel->clear();
    if (const Category *c = categoryAt(category))
        for (std::string_view item : c->levels)
            Moji_Lebel->addItem(qs(item));
    Moji_Lebel->setCurrentIndex(Moji_Lebel->count() > 0 ? 0 : -1);
}

void TOption_Form::FormCreate()
{
    platform::guarded([this] {
        platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, std::string(StoreKey));
        m_store.load(ini);
    });
}

void TOption_Form::Moji_SyuruiClick()
{
    platform::guarded([this] { fillLevels(category()); });
}

void TOption_Form::OkBtnClick()
{
    const bool handed = platform::guarded([this] {
        const std::int32_t k = category();
        const std::int32_t best = platform::parseInteger(
            QString::fromStdU16String(m_store.hiScoreCaption(k)).toStdString());
        const QString syuruiName = Moji_Syurui->itemText(k);
        const QString lebelName = Moji_Lebel->currentText();
        if (handOver)
            handOver(best, syuruiName, lebelName);
    });
    if (handed)
        QDialog::accept();
}

void TOption_Form::reject()
{
    OkBtnClick();
}

void TOption_Form::OptionSheetChange()
{
    JyohouBtn->setVisible(OptionSheet->currentIndex() == 1);
}

void TOption_Form::JyohouBtnClick()
{
    platform::guarded([this] {
        const QString text = QStringLiteral("情報の一覧を全てリセットしまか ？");
        const QString caption = QStringLiteral("メッセージ !?");
        const auto answer =
            askReset ? askReset(this, text, caption) : askWithBox(this, text, caption);
        if (answer == QMessageBox::Ok)
            m_store.reset();
    });
}

void TOption_Form::setLinkLook(QLabel *label, bool hover)
{
    QFont f = label->font();
    f.setBold(hover);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText,
                 hover ? QColor(0, 0, 255) : palette().color(QPalette::WindowText));
    label->setPalette(pal);
    label->adjustSize();
}

void TOption_Form::HomepageAddLblClick2()
{
    platform::guarded([] { platform::shellOpen(about::HomepageLinkTarget); });
}

void TOption_Form::HomepageAddLblMouseEnter2()
{
    setLinkLook(HomepageAddLbl, true);
}

void TOption_Form::HomepageAddLblMouseLeave2()
{
    setLinkLook(HomepageAddLbl, false);
}

void TOption_Form::MailAddLblClick2()
{
    platform::guarded([] { platform::shellOpen(about::MailLinkTarget); });
}

void TOption_Form::MailAddLblMouseEnter2()
{
    setLinkLook(MailAddLbl, true);
}

void TOption_Form::MailAddLblMouseLeave2()
{
    setLinkLook(MailAddLbl, false);
}

bool TOption_Form::eventFilter(QObject *watched, QEvent *event)
{
    const bool home = watched == HomepageAddLbl;
    if (home || watched == MailAddLbl) {
        switch (event->type()) {
        case QEvent::Enter:
            home ? HomepageAddLblMouseEnter2() : MailAddLblMouseEnter2();
            break;
        case QEvent::Leave:
            home ? HomepageAddLblMouseLeave2() : MailAddLblMouseLeave2();
            break;
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const auto *label = static_cast<QWidget *>(watched);
            if (mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint()))
                home ? HomepageAddLblClick2() : MailAddLblClick2();
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOption_Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen()) {
        const QRect desk = s->geometry();
        const L::Place at = L::centredOn({desk.x(), desk.y(), desk.width(), desk.height()});
        move(at.left, at.top);
    }
}

} // namespace zelmo

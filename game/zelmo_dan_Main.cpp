#include "game/zelmo_dan_Main.h"

#include "game/mainlayout.h"
#include "game/Option.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/settings.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QTabWidget>
#include <QTime>
#include <QTimer>

#include <limits>

// Registers the compiled-in pictures and sounds, which live in a static library.
void initGameResources()
{
    Q_INIT_RESOURCE(game);
}

namespace {
const QColor cream(0xFF, 0xFB, 0xF0);   // 0x00F0FBFF
const QColor fuchsia(0xFF, 0x00, 0xFF); // 0x00FF00FF

QRect toRect(const zelmo::Box &b)
{
    return {b.left, b.top, b.width, b.height};
}

QLabel *picture(QWidget *parent, const char *name, const QString &resource)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QPixmap(resource));
    label->setScaledContents(true);
    return label;
}
} // namespace

// What the rules read of the dialog and ask of the window.
class Tzelmo_dan_MainForm::Host final : public zelmo::GameHost
{
public:
    explicit Host(Tzelmo_dan_MainForm &form) : m_form(form) {}

    std::int32_t category() const override
    {
        return m_form.m_option ? m_form.m_option->category() : 0;
    }
    std::int32_t level() const override { return m_form.m_option ? m_form.m_option->level() : 0; }
    bool randomOrder() const override
    {
        return m_form.m_option ? m_form.m_option->arrayJyunban() : true;
    }
    bool soundOn() const override { return m_form.m_option && m_form.m_option->soundPlay(); }
    std::u16string titleText() const override
    {
        return m_form.m_option ? m_form.m_option->titleText().toStdU16String() : std::u16string();
    }
    void playSound(std::string_view name) override
    {
        if (m_form.m_services.sound)
            m_form.m_services.sound->play(name);
    }
    zelmo::TextExtent measure(const std::u16string &text) override
    {
        const QFontMetrics metrics(m_form.m_fonts.measure);
        return {metrics.horizontalAdvance(QString::fromStdU16String(text)), metrics.height()};
    }
    void book(std::int32_t k, std::int32_t gameHiScore, std::int32_t atariCount,
              std::int32_t hazureCount, double elapsedDays) override
    {
        if (m_form.m_option)
            m_form.m_option->store().book(k, gameHiScore, atariCount, hazureCount, elapsedDays);
    }

private:
    Tzelmo_dan_MainForm &m_form;
};

Tzelmo_dan_MainForm::Tzelmo_dan_MainForm(Services services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services)), m_host(std::make_unique<Host>(*this)),
      m_core(*m_host, *m_services.random, *m_services.clock)
{
    initGameResources();
    setObjectName(QStringLiteral("zelmo_dan_MainForm"));
    setWindowTitle(QStringLiteral("ゼルモ団"));
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont font(platform::uiFontFamily());
    font.setPixelSize(15);
    setFont(font);
    buildControls();
    FormCreate();
}

Tzelmo_dan_MainForm::~Tzelmo_dan_MainForm()
{
    FormDestroy();
}

// Frees the off-screen bitmap; nothing is saved here (only the End button saves).
void Tzelmo_dan_MainForm::FormDestroy()
{
    Timer->stop();
    BackBitmap = QImage();
}

void Tzelmo_dan_MainForm::buildControls()
{
    const QString bar = QStringLiteral(":/images/MainBarImg.png");
    const QString on = QStringLiteral(":/images/BtnOnImg.png");
    const QString off = QStringLiteral(":/images/BtnOffImg.png");
    // Later children lie on top: bar, pressed faces, released faces, labels, the answer box.
    MainBarImg = picture(this, "MainBarImg", bar);
    HelpBtnOnImg = picture(this, "HelpBtnOnImg", on);
    SetteiBtnOnImg = picture(this, "SetteiBtnOnImg", on);
    EndBtnOnImg = picture(this, "EndBtnOnImg", on);
    StartBtnOnImg = picture(this, "StartBtnOnImg", on);
    TamaMainImg = picture(this, "TamaMainImg", QStringLiteral(":/images/TamaMainImg.png"));
    TamaMainImg->hide();
    StartBtnOffImg = picture(this, "StartBtnOffImg", off);
    EndBtnOffImg = picture(this, "EndBtnOffImg", off);
    SetteiBtnOffImg = picture(this, "SetteiBtnOffImg", off);
    HelpBtnOffImg = picture(this, "HelpBtnOffImg", off);

    auto makeButton = [this](const char *name, const QString &caption) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(platform::pixelFont(20, true));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, cream);
        label->setPalette(pal);
        label->installEventFilter(this);
        return label;
    };
    StartBtnLbl = makeButton("StartBtnLbl", QStringLiteral("スタート"));
    EndBtnLbl = makeButton("EndBtnLbl", QStringLiteral("終了"));
    SetteiBtnLbl = makeButton("SetteiBtnLbl", QStringLiteral("設定"));
    HelpBtnLbl = makeButton("HelpBtnLbl", QStringLiteral("ヘルプ"));

    GameOverLbl = new QLabel(this);
    GameOverLbl->setObjectName(QStringLiteral("GameOverLbl"));
    GameOverLbl->hide();
    TamaBackImg = picture(this, "TamaBackImg", QStringLiteral(":/images/TamaBackImg.png"));
    TamaBackImg->hide();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(platform::pixelFont(17, true));
    Edit1->setMaxLength(std::numeric_limits<int>::max()); // the answer box has no length limit
    Edit1->installEventFilter(this);
    Edit1->setFocus();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setInterval(30);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });

    // In the field's own pixel format, so that drawing a bullet needs no conversion.
    m_bullets.main =
        QImage(QStringLiteral(":/images/TamaMainImg.png")).convertToFormat(QImage::Format_RGB32);
    m_bullets.back =
        QImage(QStringLiteral(":/images/TamaBackImg.png")).convertToFormat(QImage::Format_RGB32);
}

void Tzelmo_dan_MainForm::FormCreate()
{
    runGuarded([this] {
        platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, "Software");
        m_core.GameHiScore = ini.ReadInteger("zelmo_dan", "HiScoreRomajiKiso", 0);
    });
    if (m_services.randomize)
        m_services.random->Randomize(
            static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));

    QSize screen = m_services.screenSize;
    QPoint origin;
    double dpi = 96;
    if (const QScreen *primary = QGuiApplication::primaryScreen()) {
        if (screen.isEmpty()) {
            screen = primary->geometry().size();
            origin = primary->geometry().topLeft();
        }
        dpi = primary->logicalDotsPerInch();
    }
    m_fonts = zelmo::FrameFonts::forDpi(dpi);
    runGuarded([&] { m_core.FormCreateValues(screen.width(), screen.height()); });
    BackBitmap = QImage(m_core.FieldWidth, m_core.FieldHeight, QImage::Format_RGB32);
    BackBitmap.fill(Qt::black);
    // A full-screen request alone leaves a small window under a bare X server: size it too.
    setGeometry(QRect(origin, screen));
    layoutControls();
    Timer->start();
}

void Tzelmo_dan_MainForm::setOptionForm(zelmo::TOption_Form *form)
{
    m_option = form;
}

void Tzelmo_dan_MainForm::handOver(std::int32_t gameHiScore, const QString &syuruiName,
                                   const QString &lebelName)
{
    m_core.GameHiScore = gameHiScore;
    m_core.SyuruiName = syuruiName.toStdU16String();
    m_core.LebelName = lebelName.toStdU16String();
}

void Tzelmo_dan_MainForm::runGuarded(const std::function<void()> &handler)
{
    platform::guarded(handler);
    syncCaptions();
}

void Tzelmo_dan_MainForm::syncCaptions()
{
    const QString start = QString::fromStdU16String(m_core.StartCaption);
    if (StartBtnLbl->text() != start)
        StartBtnLbl->setText(start);
    const QString big = QString::fromStdU16String(m_core.GameOverCaption);
    if (GameOverLbl->text() != big)
        GameOverLbl->setText(big);
}

void Tzelmo_dan_MainForm::layoutControls()
{
    const zelmo::MainLayout l = zelmo::mainLayout(width(), height());
    MainBarImg->setGeometry(toRect(l.MainBarImg));
    for (QLabel *w : {StartBtnOnImg, StartBtnOffImg, StartBtnLbl})
        w->setGeometry(toRect(l.StartBtn));
    for (QLabel *w : {EndBtnOnImg, EndBtnOffImg, EndBtnLbl})
        w->setGeometry(toRect(l.EndBtn));
    for (QLabel *w : {SetteiBtnOnImg, SetteiBtnOffImg, SetteiBtnLbl})
        w->setGeometry(toRect(l.SetteiBtn));
    for (QLabel *w : {HelpBtnOnImg, HelpBtnOffImg, HelpBtnLbl})
        w->setGeometry(toRect(l.HelpBtn));
    Edit1->setGeometry(toRect(l.Edit1));
    GameOverLbl->setGeometry(toRect(l.GameOverLbl));
    TamaMainImg->setGeometry(toRect(l.TamaMainImg));
    TamaBackImg->setGeometry(toRect(l.TamaBackImg));
}

void Tzelmo_dan_MainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void Tzelmo_dan_MainForm::TimerTimer()
{
    // A failed tick is abandoned whole, its frame included.
    const bool ran = platform::guarded([this] { m_core.TimerTimer(); });
    syncCaptions();
    if (ran)
        ViewImg();
}

void Tzelmo_dan_MainForm::ViewImg()
{
    // Only what the last frame drew is cleared and only what changed is copied to the window;
    // the rest of the field is black in the bitmap and on the screen alike.
    const QRegion drawn =
        zelmo::drawFrame(BackBitmap, m_core, m_fonts, m_bullets, GameOverLbl->pos(), &m_lastDrawn);
    const QRegion changed = drawn.united(m_lastDrawn);
    m_lastDrawn = drawn;
    repaint(changed);
}

void Tzelmo_dan_MainForm::paintEvent(QPaintEvent *event)
{
    FormPaint(event->region());
}

void Tzelmo_dan_MainForm::FormPaint(const QRegion &area)
{
    QPainter painter(this);
    const QRect field = BackBitmap.rect();
    // The opaque bitmap covers the field; only the client area outside it needs its black fill.
    for (const QRect &part : area.subtracted(field))
        painter.fillRect(part, Qt::black);
    // One copy per rectangle under a plain rectangular clip: a copy under a clip of many
    // rectangles makes the raster engine hand its rows to worker threads on every tick.
    for (const QRect &part : area.intersected(field)) {
        painter.setClipRect(part);
        painter.drawImage(part.topLeft(), BackBitmap, part);
    }
}

bool Tzelmo_dan_MainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        bool swallow = false;
        FormKeyPress(static_cast<QKeyEvent *>(event), swallow);
        return swallow;
    }
    static const std::array<QLabel * Tzelmo_dan_MainForm::*, 4> labels{
        &Tzelmo_dan_MainForm::StartBtnLbl, &Tzelmo_dan_MainForm::EndBtnLbl,
        &Tzelmo_dan_MainForm::SetteiBtnLbl, &Tzelmo_dan_MainForm::HelpBtnLbl};
    for (int b = 0; b < 4; ++b) {
        QLabel *label = this->*labels[static_cast<std::size_t>(b)];
        if (watched != label)
            continue;
        switch (event->type()) {
        case QEvent::Enter:
            hover(label, true);
            break;
        case QEvent::Leave:
            hover(label, false);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            press(b);
            return true;
        case QEvent::MouseButtonRelease: {
            using Handler = void (Tzelmo_dan_MainForm::*)();
            static const std::array<Handler, 4> up{
                &Tzelmo_dan_MainForm::StartBtnLblMouseUp, &Tzelmo_dan_MainForm::EndBtnLblMouseUp,
                &Tzelmo_dan_MainForm::SetteiBtnLblMouseUp, &Tzelmo_dan_MainForm::HelpBtnLblMouseUp};
            (this->*up[static_cast<std::size_t>(b)])();
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tzelmo_dan_MainForm::FormKeyPress(QKeyEvent *event, bool &swallow)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    runGuarded([&] {
        std::u16string text = Edit1->text().toStdU16String();
        char16_t key = u'\r';
        if (m_core.FormKeyPress(text, key)) {
            Edit1->clear();
            swallow = true;
        }
    });
}

void Tzelmo_dan_MainForm::hover(QLabel *label, bool inside)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, inside ? fuchsia : cream);
    label->setPalette(pal);
}

namespace {
struct Faces
{
    QLabel *off;
    QLabel *on;
};
} // namespace

void Tzelmo_dan_MainForm::press(int button)
{
    if (m_core.GameState == zelmo::TitleState)
        return;
    const Faces faces[] = {{StartBtnOffImg, StartBtnOnImg},
                           {EndBtnOffImg, EndBtnOnImg},
                           {SetteiBtnOffImg, SetteiBtnOnImg},
                           {HelpBtnOffImg, HelpBtnOnImg}};
    faces[button].off->hide();
    faces[button].on->show();
}

// Sound, pause and released face; false in the title state, where a release does nothing.
bool Tzelmo_dan_MainForm::releaseCommon(int button)
{
    if (m_core.GameState == zelmo::TitleState)
        return false;
    if (m_host->soundOn())
        m_host->playSound("botan");
    if (m_services.pause)
        m_services.pause(500);
    const Faces faces[] = {{StartBtnOffImg, StartBtnOnImg},
                           {EndBtnOffImg, EndBtnOnImg},
                           {SetteiBtnOffImg, SetteiBtnOnImg},
                           {HelpBtnOffImg, HelpBtnOnImg}};
    faces[button].off->show();
    faces[button].on->hide();
    return true;
}

void Tzelmo_dan_MainForm::StartBtnLblMouseUp()
{
    if (!releaseCommon(0))
        return;
    runGuarded([this] {
        if (m_core.GameState == zelmo::StoppedState)
            m_core.StartGame();
        else if (m_core.GameState == zelmo::PlayingState)
            m_core.EndGame();
    });
}

void Tzelmo_dan_MainForm::SetteiBtnLblMouseUp()
{
    if (releaseCommon(2))
        showOptionPage(0);
}

void Tzelmo_dan_MainForm::HelpBtnLblMouseUp()
{
    if (releaseCommon(3))
        showOptionPage(2);
}

void Tzelmo_dan_MainForm::showOptionPage(int page)
{
    if (m_option == nullptr)
        return;
    m_option->JyohouBtn->hide();
    bool ended = true;
    if (m_core.GameState == zelmo::PlayingState)
        ended = platform::guarded([this] { m_core.EndGame(); });
    syncCaptions();
    if (!ended)
        return;
    m_option->OptionSheet->setCurrentIndex(page);
    m_option->exec();
}

void Tzelmo_dan_MainForm::EndBtnLblMouseUp()
{
    if (m_core.GameState == zelmo::PlayingState) {
        const bool ended = platform::guarded([this] { m_core.EndGame(); });
        syncCaptions();
        if (!ended)
            return;
    }
    if (!releaseCommon(1))
        return;
    const bool saved = platform::guarded([this] {
        if (m_option == nullptr)
            return;
        platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, "Software");
        m_option->store().save(ini);
    });
    if (saved)
        close();
}

// The workspace's controls: the top bar with its five tool bars and pop-up
// menu, the bottom panel laid out by its rule, the moved frame's letters and
// the timers.
#include "plane/tgeo.h"

#include "dialogs/spincontrol.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/imagelist.h"
#include "shell/picturecommands.h"
#include "shell/shellvalues.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace {

// ShortTexts rows of the transformation kinds, in TransformKind order.
constexpr int KindRows[] = {5, 6, 7, 8, 9, 19, 10};
constexpr int KindNameLength = 15;
constexpr int KindBoxWidth = 105;
constexpr int ZoomBoxWidth = 62;

// The open list keeps the box's colours: white on the platform's light list
// background could not be read. The platform's focus mark is dark and does
// not show on black: the box with the keyboard is framed in aqua instead.
const QString ComboStyle = QStringLiteral("QComboBox { color: white; background: black; font-weight: bold; }"
                                          "QComboBox:focus { border: 2px solid aqua; }"
                                          "QComboBox QAbstractItemView { color: white; background: black; "
                                          "selection-color: black; selection-background-color: aqua; }");

QComboBox *makeKindBox(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setStyleSheet(ComboStyle);
    box->setFixedWidth(KindBoxWidth);
    box->setCursor(pointingCursor());
    for (int row : KindRows)
        box->addItem(ShortTexts.text(row));
    box->setCurrentIndex(-1);
    return box;
}

QFrame *makeBevel(const char *name, QWidget *parent)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return bevel;
}

QLabel *makeLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel *makeGlyph(const char *name, QWidget *parent)
{
    QLabel *glyph = makeLabel(name, parent);
    glyph->setPixmap(QPixmap(QStringLiteral(":/pictures/plane/%1.png").arg(QString::fromLatin1(name))));
    glyph->adjustSize();
    return glyph;
}

QToolButton *makeGlyphButton(const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    // Reached with Tab but not focused by a click, so the mouse works as before.
    button->setFocusPolicy(Qt::TabFocus);
    button->setIcon(QIcon(QStringLiteral(":/pictures/plane/%1.png").arg(QString::fromLatin1(name))));
    button->adjustSize();
    button->hide();
    return button;
}

// Vertically centred in a panel of height h.
void centre(QWidget *control, int left, int width, int h)
{
    const int height = control->sizeHint().height();
    control->setGeometry(left, (h - height) / 2, width, height);
}

} // namespace

void Tgeo::createControls()
{
    createTopBar();
    createBottomPanel();

    for (QLabel **letter : {&stx, &sty}) {
        *letter = new QLabel(m_surface);
        (*letter)->setAutoFillBackground(true);
        (*letter)->hide();
    }
    stx->setObjectName(QStringLiteral("stx"));
    sty->setObjectName(QStringLiteral("sty"));
    stx->setText(QString::fromLatin1(FixedTexts::AxisX));
    sty->setText(QString::fromLatin1(FixedTexts::AxisY));

    for (int row : KindRows)
        KindNames.append(ShortTexts.text(row).left(KindNameLength));
    createTimers();
    updateTransport();
}

QToolButton *Tgeo::addToolButton(QToolBar *bar, const char *name, int image, int hintRow, void (Tgeo::*handler)())
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ImageList1::image(image));
    button->setToolTip(hint(hintRow));
    // A picture alone says nothing to a screen reader; the hint names it.
    button->setAccessibleName(button->toolTip());
    // Some styles leave tool buttons out of the Tab chain; these must be in it.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(pointingCursor());
    if (handler)
        connect(button, &QToolButton::clicked, this, handler);
    bar->addWidget(button);
    return button;
}

void Tgeo::createTopBar()
{
    barrasotto = new QWidget(m_surface);
    barrasotto->setObjectName(QStringLiteral("barrasotto"));
    barrasotto->setAutoFillBackground(true);
    QPalette silver = barrasotto->palette();
    silver.setColor(QPalette::Window, QColor(PlaneColour::Grid));
    barrasotto->setPalette(silver);
    auto *row = new QHBoxLayout(barrasotto);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(4);

    auto makeBar = [this, row](const char *name) {
        auto *bar = new QToolBar(barrasotto);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row->addWidget(bar);
        return bar;
    };

    ToolBar7 = makeBar("ToolBar7");
    tipi = new QComboBox(ToolBar7);
    tipi->setObjectName(QStringLiteral("tipi"));
    tipi->setStyleSheet(ComboStyle);
    tipi->addItem(ShortTexts.text(11));
    tipi->addItem(ShortTexts.text(12));
    tipi->setCurrentIndex(0);
    tipi->setToolTip(hint(22));
    tipi->setCursor(pointingCursor());
    connect(tipi, &QComboBox::activated, this, &Tgeo::tipiChange);
    ToolBar7->addWidget(tipi);
    ToolBar7->addSeparator();
    num = new QLineEdit(QStringLiteral("1"), ToolBar7);
    num->setObjectName(QStringLiteral("num"));
    num->setReadOnly(true);
    num->setFocusPolicy(Qt::NoFocus);
    num->setFixedWidth(num->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 10);
    pnum = new SpinControl(QStringLiteral("pnum"), SpinRange{1, 2}, ToolBar7);
    for (QWidget *count : {static_cast<QWidget *>(num), static_cast<QWidget *>(pnum)}) {
        count->setToolTip(hint(23));
        count->setAccessibleName(hint(23));
    }
    ToolBar7->addWidget(num);
    connect(pnum, &QSpinBox::valueChanged, this, &Tgeo::pnumClick);
    ToolBar7->addWidget(pnum);

    ToolBar4 = makeBar("ToolBar4");
    trasfuno = makeKindBox("trasfuno", ToolBar4);
    trasfuno->setToolTip(hint(5));
    // Before a choice a box shows nothing a screen reader could read.
    trasfuno->setAccessibleName(noticeText(FirstKindBoxName));
    connect(trasfuno, &QComboBox::activated, this, &Tgeo::trasfunoChange);
    ToolBar4->addWidget(trasfuno);
    ToolBar4->addSeparator();
    trasfdue = makeKindBox("trasfdue", ToolBar4);
    trasfdue->setAccessibleName(noticeText(SecondKindBoxName));
    connect(trasfdue, &QComboBox::activated, this, &Tgeo::trasfdueChange);
    ToolBar4->addWidget(trasfdue);
    ToolBar4->addSeparator();
    czoom = new QComboBox(ToolBar4);
    czoom->setObjectName(QStringLiteral("czoom"));
    czoom->setFixedWidth(ZoomBoxWidth);
    for (const char *level : FixedTexts::ZoomLevels)
        czoom->addItem(QString::fromLatin1(level));
    czoom->setCurrentIndex(0);
    czoom->setToolTip(hint(24));
    czoom->setCursor(pointingCursor());
    // A choice runs both handlers, the change first; connected once the first
    // item is chosen, so that creation runs neither.
    connect(czoom, &QComboBox::currentIndexChanged, this, &Tgeo::czoomChange);
    connect(czoom, &QComboBox::activated, this, &Tgeo::czoomClick);
    ToolBar4->addWidget(czoom);

    ToolBar3 = makeBar("ToolBar3");
    inversa = addToolButton(ToolBar3, "inversa", 7, 30, &Tgeo::inversaClick);
    ToolBar3->addSeparator();
    cancella = addToolButton(ToolBar3, "cancella", 8, 25, &Tgeo::cancellaClick);
    ToolBar3->addSeparator();
    Tabel = addToolButton(ToolBar3, "Tabel", 6, 26, &Tgeo::TabelClick);
    ToolBar3->addSeparator();
    sovra = addToolButton(ToolBar3, "sovra", 4, 20, &Tgeo::sovraClick);
    sovra->setCursor(Qt::PointingHandCursor);

    ToolBar2 = makeBar("ToolBar2");
    continua = addToolButton(ToolBar2, "continua", 0, 27, &Tgeo::continuaClick);
    ToolBar2->addSeparator();
    nuova = addToolButton(ToolBar2, "nuova", 3, 28, &Tgeo::nuovaClick);

    ToolBar1 = makeBar("ToolBar1");
    memo = addToolButton(ToolBar1, "memo", 23, 14, &Tgeo::memoClick);
    ToolBar1->addSeparator();
    aiuto = addToolButton(ToolBar1, "aiuto", 1, 4, &Tgeo::aiutoClick);
    ToolBar8 = makeBar("ToolBar8");
    createTransportBar();
    row->addStretch();

    for (QToolBar *bar : {ToolBar1, ToolBar2, ToolBar3, ToolBar4, ToolBar8})
        setToolBarFlat(bar, Shell.FlatToolbars);

    PopupMenu1 = new QMenu(barrasotto);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    mostra = PopupMenu1->addAction(QString::fromUtf8(FixedTexts::PlaneShowHintsItem), this, &Tgeo::mostraClick);
    mostra->setObjectName(QStringLiteral("mostra"));
    mostra->setCheckable(true);
    piatto = PopupMenu1->addAction(QString::fromUtf8(FixedTexts::PlaneFlatItem), this, &Tgeo::piattoClick);
    piatto->setObjectName(QStringLiteral("piatto"));
    piatto->setCheckable(true);
    piatto->setChecked(Shell.FlatToolbars);
    PopupMenu1->addSeparator();
    createPictureItems();
    PopupMenu1->addSeparator();
    createLessonItems();
    // The pop-up opens over the drawing as over the tool bars.
    for (QWidget *area : {barrasotto, m_surface}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](QPoint at) { PopupMenu1->popup(area->mapToGlobal(at)); });
    }
}

void Tgeo::setToolBarFlat(QToolBar *bar, bool flat)
{
    bar->setProperty("flat", flat);
    for (QToolButton *button : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        button->setAutoRaise(flat);
}

void Tgeo::createBottomPanel()
{
    sotto = new QFrame(m_surface);
    sotto->setObjectName(QStringLiteral("sotto"));
    sotto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sotto->setAutoFillBackground(true);

    Label1 = makeLabel("Label1", sotto);
    Label1->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; }"));
    tcontinua = makeGlyphButton("tcontinua", sotto);
    tinversa = makeGlyphButton("tinversa", sotto);
    // The panel's glyphs repeat the buttons they point to; they carry their
    // hints so a screen reader names them alike.
    for (auto [glyph, button] : {std::pair{tcontinua, continua}, std::pair{tinversa, inversa}}) {
        glyph->setToolTip(button->toolTip());
        glyph->setAccessibleName(button->toolTip());
    }
    Bevel1 = makeBevel("Bevel1", sotto);
    Label5 = makeLabel("Label5", sotto);
    Label5->setAlignment(Qt::AlignCenter);
    Bevel2 = makeBevel("Bevel2", sotto);
    Label4 = makeLabel("Label4", sotto);
    Bevel3 = makeBevel("Bevel3", sotto);
    triangoli = makeGlyph("triangoli", sotto);
    Label2 = makeLabel("Label2", sotto);
    Bevel4 = makeBevel("Bevel4", sotto);
    grafici = makeGlyph("grafici", sotto);
    Label3 = makeLabel("Label3", sotto);
    Bevel5 = makeBevel("Bevel5", sotto);
    Panel1 = makeLabel("Panel1", sotto);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setStyleSheet(QStringLiteral("QLabel { background: blue; color: white; font-weight: bold; }"));
    Panel1->hide();
}

void Tgeo::createTimers()
{
    using AnimationTransport::FrameInterval;
    using AnimationTransport::ShearInterval;
    auto makeTimer = [this](const char *name, int interval) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        return timer;
    };
    rotazione = makeTimer("rotazione", FrameInterval);
    traslazione = makeTimer("traslazione", FrameInterval);
    omotetia = makeTimer("omotetia", FrameInterval);
    dilatazione = makeTimer("dilatazione", FrameInterval);
    inclinazione = makeTimer("inclinazione", ShearInterval);
    connect(rotazione, &QTimer::timeout, this, &Tgeo::rotazioneTimer);
    connect(traslazione, &QTimer::timeout, this, &Tgeo::traslazioneTimer);
    connect(omotetia, &QTimer::timeout, this, &Tgeo::omotetiaTimer);
    connect(dilatazione, &QTimer::timeout, this, &Tgeo::dilatazioneTimer);
    connect(inclinazione, &QTimer::timeout, this, &Tgeo::inclinazioneTimer);
}

void Tgeo::finishCreation()
{
    if (m_created)
        return;
    m_created = true;
    const QSize client = contentsRect().size();
    barrasotto->setGeometry(0, 0, client.width(), barrasotto->sizeHint().height());
    sotto->setGeometry(0, client.height() - Shell.PanelHeight, client.width(), Shell.PanelHeight);
    layOutBottomPanel();
    m_map = ScreenMapping(client.width() / 2, client.height() / 2, czoom->currentIndex() + 1);
    // The one place that decides the canvas's resolution: the screen's.
    m_canvas.create(client, Shell.PanelHeight, m_surface->font(), m_surface->devicePixelRatio());
}

void Tgeo::layOutBottomPanel()
{
    const QFontMetrics metrics(m_surface->font());
    auto widthOf = [&metrics](const char *sample) { return metrics.horizontalAdvance(QString::fromLatin1(sample)); };
    const int h = Shell.PanelHeight;
    const int clientWidth = sotto->width();
    auto placeBevel = [h](QFrame *bevel, int left) { bevel->setGeometry(left, 2, 2, h - 4); };

    centre(Label1, 5, widthOf(FixedTexts::MessageWidthSample), h);
    const int afterMessage = Label1->x() + Label1->width() + 5;
    for (QToolButton *glyph : {tcontinua, tinversa})
        glyph->move(afterMessage, (h - glyph->height()) / 2);
    placeBevel(Bevel1, afterMessage);

    const int sequenceWidth = widthOf(FixedTexts::SequenceWidthSample);
    Panel1->setGeometry(clientWidth - sequenceWidth - 5, (h - Shell.SmallControlHeight) / 2, sequenceWidth,
                        Shell.SmallControlHeight);
    placeBevel(Bevel5, Panel1->x() - 5);
    const int kindWidth = widthOf(FixedTexts::KindWidthSample);
    centre(Label3, Bevel5->x() - 5 - kindWidth, kindWidth, h);
    grafici->move(Label3->x() - 2 - grafici->width(), (h - grafici->height()) / 2);
    placeBevel(Bevel4, grafici->x() - 5);
    centre(Label2, Bevel4->x() - 5 - kindWidth, kindWidth, h);
    triangoli->move(Label2->x() - 2 - triangoli->width(), (h - triangoli->height()) / 2);
    placeBevel(Bevel3, triangoli->x() - 5);
    const int modeWidth = widthOf(FixedTexts::ModeWidthSample);
    centre(Label4, Bevel3->x() - 5 - modeWidth, modeWidth, h);
    placeBevel(Bevel2, Label4->x() - 5);

    const int readoutWidth = widthOf(FixedTexts::ReadoutWidthSample);
    centre(Label5, (Bevel1->x() + Bevel2->x() - readoutWidth) / 2, readoutWidth, h);
}

int Tgeo::topBarHeight() const
{
    return barrasotto->height();
}

int Tgeo::panelHeight() const
{
    return sotto->height();
}

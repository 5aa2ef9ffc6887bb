#include "plane/tgeotab.h"

#include "plane/composition.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "plane/datatable.h"
#include "shell/imagelist.h"
#include "transform/transformsettings.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ClientWidth = 525;
constexpr int ClientHeight = 384;
constexpr int WindowMargin = 4;
constexpr qreal SmallestCaptionPoints = 6;

constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Black = 0x000000;
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Aqua = 0x00FFFF;
constexpr QRgb Lime = 0x00FF00;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Green = 0x008000;

// The first page: per stage, the labels of the vertices A..D, the label of
// the transformation's name (none for the initial row), the panel and row
// that hold them, and their colour. The rows of a first step are aqua and
// those of a second step lime, as the letters of the images are drawn.
constexpr int VertexLabels[VertexStageCount][VertexCount] = {
    {2, 3, 4, 5}, {6, 7, 8, 9}, {10, 11, 12, 13}, {18, 19, 20, 21}, {23, 24, 25, 26}};
constexpr int NameLabels[VertexStageCount] = {0, 14, 15, 22, 27};
constexpr int StagePanels[VertexStageCount] = {3, 1, 1, 2, 2};
constexpr int StageRows[VertexStageCount] = {0, 0, 1, 0, 1};
constexpr QRgb StageColours[VertexStageCount] = {White, Aqua, Lime, Aqua, Lime};
constexpr int InitialTitle = 1;
constexpr int DirectTitle = 17;
constexpr int InverseTitle = 16;

// The second and third pages, [0] the first transformation, [1] the second.
constexpr int ParameterTitles[2] = {30, 31};
constexpr int ParameterPanels[2] = {5, 4};
constexpr int ParameterLabels[2][ParameterPlaceCount] = {{28, 29, 33, 34}, {36, 37, 39, 40}};
constexpr int MatrixTitles[2] = {42, 43};
constexpr int MatrixPanels[2] = {7, 8};
constexpr int MatrixLabels[2][MatrixSize][MatrixSize] = {{{32, 35, 48}, {38, 41, 49}, {50, 51, 52}},
                                                         {{44, 45, 55}, {46, 47, 57}, {53, 54, 56}}};
constexpr QRgb KindColours[2] = {Blue, Green};
// The panel at the bottom that holds the OK button.
constexpr int ButtonPanel = 6;

constexpr int MatrixColumnWidth = 90;

void setColours(QWidget *widget, QRgb background, QRgb text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(background));
    palette.setColor(QPalette::WindowText, QColor(text));
    widget->setPalette(palette);
}

void setTextColour(QWidget *widget, QRgb text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(text));
    widget->setPalette(palette);
}

// One side of a matrix's brackets, as tall as its three rows.
class MatrixBracket : public QWidget
{
public:
    MatrixBracket(bool left, QWidget *parent) : QWidget(parent), m_left(left) { setFixedWidth(8); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        const int edge = m_left ? 2 : width() - 2;
        const int tip = m_left ? width() - 1 : 1;
        const int bottom = height() - 2;
        painter.drawLine(edge, 1, edge, bottom);
        painter.drawLine(edge, 1, tip, 1);
        painter.drawLine(edge, bottom, tip, bottom);
    }

private:
    bool m_left;
};

} // namespace

Tgeotab::Tgeotab(int transformCount, const QString &kindName1, const QString &kindName2, QWidget *parent,
                 ElementShower showElement)
    : QDialog(parent)
    , m_transformCount(transformCount)
    , m_kindName1(kindName1)
    , m_kindName2(kindName2)
    , Tabula(new QTabWidget(this))
    , m_showElement(std::move(showElement))
{
    setObjectName(QStringLiteral("Tgeotab"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QString::fromUtf8(FixedTexts::TableCaption));
    setColours(this, Silver, Black);
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    Tabula->setObjectName(QStringLiteral("Tabula"));
    // Tabs drawn as flat buttons on the silver face rather than as folders;
    // styled on the bar alone, so that the pages keep the window's font.
    Tabula->setDocumentMode(true);
    Tabula->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: #c0c0c0; border: 1px solid #808080; padding: 2px 5px; margin: 1px; }"
        "QTabBar::tab:selected { background: #a8a8a8; border-color: #404040; }"));
    TabSheet1 = createCoordinatePage();
    TabSheet2 = createParameterPage();
    TabSheet3 = createMatrixPage();
    QWidget *pages[] = {TabSheet1, TabSheet2, TabSheet3};
    for (int page = 0; page < 3; ++page)
        Tabula->addTab(pages[page], QString::fromUtf8(FixedTexts::TablePageCaptions[page]));
    Tabula->addTab(createCompositionPage(), QString::fromUtf8(FixedTexts::CompositionCaption));
    fitTabCaptions();
    createCopyItems();

    Panel[ButtonPanel] = makePanel(ButtonPanel, this);
    Panel[ButtonPanel]->setFrameStyle(QFrame::Panel | QFrame::Raised);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QString::fromLatin1(FixedTexts::OkCaption), Panel[ButtonPanel]);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QString::fromUtf8(FixedTexts::TableCloseHint));
    BitBtn1->setCursor(pointingCursor());
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttonRow = new QHBoxLayout(Panel[ButtonPanel]);
    buttonRow->setContentsMargins(4, 4, 4, 4);
    buttonRow->addStretch();
    buttonRow->addWidget(BitBtn1);
    buttonRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(WindowMargin, WindowMargin, WindowMargin, WindowMargin);
    layout->setSpacing(4);
    layout->addWidget(Tabula, 1);
    layout->addWidget(Panel[ButtonPanel]);

    setFixedSize(ClientWidth, ClientHeight);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->geometry().center() - rect().center());
}

// The three captions in bold are wider than the window in some fonts; they
// are set smaller until they fit, rather than scrolled out of sight.
void Tgeotab::fitTabCaptions()
{
    QTabBar *tabs = Tabula->tabBar();
    tabs->ensurePolished();
    QFont captions = tabs->font();
    const int room = ClientWidth - 2 * WindowMargin;
    while (tabs->sizeHint().width() > room && captions.pointSizeF() > SmallestCaptionPoints) {
        captions.setPointSizeF(captions.pointSizeF() - 0.5);
        tabs->setFont(captions);
    }
}

int Tgeotab::execute(QWidget *parent, int transformCount, const QString &kindName1, const QString &kindName2,
                     ElementShower showElement)
{
    Tgeotab table(transformCount, kindName1, kindName2, parent, std::move(showElement));
    return table.exec();
}

QLabel *Tgeotab::makeLabel(int number, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    Label[number] = label;
    return label;
}

QFrame *Tgeotab::makePanel(int number, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel%1").arg(number));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    Panel[number] = panel;
    return panel;
}

QWidget *Tgeotab::createCoordinatePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(4);

    const int titles[] = {InitialTitle, DirectTitle, InverseTitle};
    const int panels[] = {3, 1, 2};
    QGridLayout *grids[PanelCount + 1] = {};
    for (int i = 0; i < 3; ++i) {
        layout->addWidget(makeLabel(titles[i], page));
        QFrame *panel = makePanel(panels[i], page);
        setColours(panel, Black, White);
        auto *grid = new QGridLayout(panel);
        grid->setContentsMargins(4, 3, 4, 3);
        grid->setHorizontalSpacing(4);
        // The same five columns in every panel, so the vertices line up.
        for (int column = 0; column <= VertexCount; ++column)
            grid->setColumnStretch(column, 1);
        grids[panels[i]] = grid;
        layout->addWidget(panel);
    }
    for (int stage = 0; stage < VertexStageCount; ++stage) {
        QGridLayout *grid = grids[StagePanels[stage]];
        QWidget *panel = Panel[StagePanels[stage]];
        for (int vertex = 0; vertex < VertexCount; ++vertex) {
            QLabel *label = makeLabel(VertexLabels[stage][vertex], panel);
            setTextColour(label, StageColours[stage]);
            grid->addWidget(label, StageRows[stage], vertex);
        }
        if (NameLabels[stage] != 0) {
            QLabel *name = makeLabel(NameLabels[stage], panel);
            setTextColour(name, StageColours[stage]);
            grid->addWidget(name, StageRows[stage], VertexCount);
        }
    }
    // An initial row keeps its height when it is empty.
    grids[StagePanels[0]]->addWidget(new QLabel(QStringLiteral(" "), Panel[StagePanels[0]]), 0, VertexCount);
    layout->addStretch();
    return page;
}

QWidget *Tgeotab::createParameterPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(4);
    for (int i = 0; i < 2; ++i) {
        QLabel *title = makeLabel(ParameterTitles[i], page);
        setTextColour(title, KindColours[i]);
        layout->addWidget(title);
        QFrame *panel = makePanel(ParameterPanels[i], page);
        setColours(panel, White, Black);
        auto *grid = new QGridLayout(panel);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setVerticalSpacing(8);
        // The affinity's equations need the room of the left column.
        grid->setColumnStretch(0, 3);
        grid->setColumnStretch(1, 2);
        for (int place = 0; place < ParameterPlaceCount; ++place)
            grid->addWidget(makeLabel(ParameterLabels[i][place], panel), place / 2, place % 2);
        layout->addWidget(panel);
    }
    layout->addStretch();
    return page;
}

QWidget *Tgeotab::createMatrixPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(4);
    for (int i = 0; i < 2; ++i) {
        QLabel *title = makeLabel(MatrixTitles[i], page);
        setTextColour(title, KindColours[i]);
        layout->addWidget(title);
        QFrame *panel = makePanel(MatrixPanels[i], page);
        setColours(panel, White, Black);
        auto *row = new QHBoxLayout(panel);
        row->setContentsMargins(8, 4, 8, 4);
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(2);
        grid->addWidget(new MatrixBracket(true, panel), 0, 0, MatrixSize, 1);
        for (int r = 0; r < MatrixSize; ++r)
            for (int c = 0; c < MatrixSize; ++c) {
                QLabel *entry = makeLabel(MatrixLabels[i][r][c], panel);
                entry->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                entry->setMinimumWidth(MatrixColumnWidth);
                grid->addWidget(entry, r, c + 1);
            }
        grid->addWidget(new MatrixBracket(false, panel), 0, MatrixSize + 1, MatrixSize, 1);
        row->addStretch();
        row->addLayout(grid);
        row->addStretch();
        layout->addWidget(panel);
    }
    layout->addStretch();
    return page;
}

QWidget *Tgeotab::createCompositionPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(4);
    for (int i = 0; i < 2; ++i) {
        CompositionBlock &block = m_composition[i];
        auto named = [i](QLabel *label, const char *name) {
            label->setObjectName(QString::fromLatin1(name) + QString::number(i + 1));
            return label;
        };
        block.title = named(new QLabel(page), "compTitle");
        setTextColour(block.title, KindColours[i]);
        layout->addWidget(block.title);
        block.panel = new QFrame(page);
        block.panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        block.panel->setAutoFillBackground(true);
        setColours(block.panel, White, Black);
        auto *row = new QHBoxLayout(block.panel);
        row->setContentsMargins(8, 4, 8, 4);
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(2);
        grid->addWidget(new MatrixBracket(true, block.panel), 0, 0, MatrixSize, 1);
        for (int r = 0; r < MatrixSize; ++r)
            for (int c = 0; c < MatrixSize; ++c) {
                QLabel *entry = new QLabel(block.panel);
                entry->setObjectName(QStringLiteral("compMatrix%1_%2_%3").arg(i + 1).arg(r).arg(c));
                entry->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                block.matrix[r][c] = entry;
                grid->addWidget(entry, r, c + 1);
            }
        grid->addWidget(new MatrixBracket(false, block.panel), 0, MatrixSize + 1, MatrixSize, 1);
        row->addLayout(grid);
        row->addSpacing(10);
        auto *lines = new QVBoxLayout;
        for (auto [label, name] : {std::pair{&block.determinant, "compDet"}, std::pair{&block.name, "compName"},
                                   std::pair{&block.check, "compCheck"}}) {
            *label = named(new QLabel(block.panel), name);
            (*label)->setWordWrap(true);
            lines->addWidget(*label);
        }
        row->addLayout(lines, 1);
        block.show = new QPushButton(QString::fromUtf8(FixedTexts::CompositionShow), block.panel);
        block.show->setObjectName(QStringLiteral("compShow%1").arg(i + 1));
        block.show->setCursor(pointingCursor());
        connect(block.show, &QPushButton::clicked, this, [this, i] { m_showElement(m_composition[i].map); });
        row->addWidget(block.show, 0, Qt::AlignTop);
        layout->addWidget(block.panel);
    }
    layout->addStretch();
    return page;
}

void Tgeotab::createCopyItems()
{
    auto *copyPage = new QAction(noticeText(TableCopyItem), this);
    copyPage->setObjectName(QStringLiteral("copiapagina"));
    copyPage->setShortcut(QKeySequence::Copy);
    connect(copyPage, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(shownPageText()); });
    auto *copyLatex = new QAction(noticeText(TableLatexItem), this);
    copyLatex->setObjectName(QStringLiteral("copialatex"));
    connect(copyLatex, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(m_compositionLatex); });
    addActions({copyPage, copyLatex});
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString Tgeotab::shownPageText() const
{
    QWidget *page = Tabula->currentWidget();
    QList<QLabel *> labels;
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->isVisibleTo(page) && !label->text().trimmed().isEmpty())
            labels << label;
    auto place = [page](const QLabel *label) { return label->mapTo(page, QPoint(0, label->height() / 2)); };
    std::sort(labels.begin(), labels.end(), [&place](const QLabel *a, const QLabel *b) {
        const QPoint pa = place(a), pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QStringList lines;
    QStringList row;
    int rowMiddle = -1;
    for (const QLabel *label : labels) {
        const int middle = place(label).y();
        if (!row.isEmpty() && middle != rowMiddle) {
            lines << row.join(QLatin1Char('\t'));
            row.clear();
        }
        rowMiddle = middle;
        row << label->text();
    }
    if (!row.isEmpty())
        lines << row.join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Tgeotab::showComposition()
{
    const Composition::Page page =
        Composition::page(dataTableInputs(TransformSettings, m_transformCount, m_kindName1, m_kindName2));
    m_compositionLatex = Composition::latex(page);
    for (int i = 0; i < 2; ++i) {
        const Composition::Block &shown = page.blocks[i];
        CompositionBlock &block = m_composition[i];
        block.title->setText(shown.title);
        for (int r = 0; r < MatrixSize; ++r)
            for (int c = 0; c < MatrixSize; ++c)
                block.matrix[r][c]->setText(shown.matrix[r][c]);
        block.determinant->setText(shown.determinant);
        block.name->setText(shown.name);
        block.check->setText(shown.check);
        block.map = shown.map;
        block.show->setVisible(m_showElement && !Composition::elementShapes(shown.map, ScreenMapping()).empty());
    }
    m_composition[1].title->setVisible(page.secondShown);
    m_composition[1].panel->setVisible(page.secondShown);
}

void Tgeotab::showEvent(QShowEvent *event)
{
    // The table is filled once: nothing it shows can change while it is open.
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
    QDialog::showEvent(event);
}

void Tgeotab::FormActivate()
{
    const DataTable table = dataTable(dataTableInputs(TransformSettings, m_transformCount, m_kindName1, m_kindName2));

    for (int stage = 0; stage < VertexStageCount; ++stage) {
        for (int vertex = 0; vertex < VertexCount; ++vertex)
            Label[VertexLabels[stage][vertex]]->setText(table.vertices[stage][vertex]);
        if (NameLabels[stage] != 0)
            Label[NameLabels[stage]]->setText(table.stageNames[stage]);
    }
    Label[InitialTitle]->setText(table.initialTitle);
    Label[DirectTitle]->setText(table.directTitle);
    Label[InverseTitle]->setText(table.inverseTitle);
    Panel[1]->setVisible(table.directShown);
    Label[DirectTitle]->setVisible(table.directShown);
    Label[NameLabels[2]]->setVisible(table.directSecondShown);
    Panel[2]->setVisible(table.inverseShown);
    Label[InverseTitle]->setVisible(table.inverseShown);
    Label[NameLabels[4]]->setVisible(table.inverseSecondShown);

    for (int i = 0; i < 2; ++i) {
        Label[ParameterTitles[i]]->setText(table.kindNames[i]);
        Label[ParameterTitles[i]]->setVisible(table.parametersShown[i]);
        Panel[ParameterPanels[i]]->setVisible(table.parametersShown[i]);
        const KindTable &kind = table.kinds[i];
        for (int place = 0; place < ParameterPlaceCount; ++place) {
            QLabel *label = Label[ParameterLabels[i][place]];
            label->setText(kind.parameters[place].text);
            label->setVisible(kind.parameters[place].shown);
        }
        Label[MatrixTitles[i]]->setText(table.kindNames[i]);
        for (int r = 0; r < MatrixSize; ++r)
            for (int c = 0; c < MatrixSize; ++c)
                Label[MatrixLabels[i][r][c]]->setText(kind.matrix[r][c]);
    }
    Label[MatrixTitles[1]]->setVisible(table.secondMatrixShown);
    Panel[MatrixPanels[1]]->setVisible(table.secondMatrixShown);
    showComposition();
}

#include "dialogs/tcoordinate.h"

#include "dialogs/figurerules.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/imagelist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int FigureTypeCount = 5;
constexpr int FirstTypeRow = 16; // LongTexts rows 16..20 name the types
constexpr int FirstCoordinateHintRow = 33; // ShortTexts: x of A, y of A, x of B, ...
constexpr int RadiusHintRow = 41;

constexpr std::array<const char *, VertexCount> XLabels{FixedTexts::FigureXaLabel, FixedTexts::FigureXbLabel,
                                                        FixedTexts::FigureXcLabel, FixedTexts::FigureXdLabel};
constexpr std::array<const char *, VertexCount> YLabels{FixedTexts::FigureYaLabel, FixedTexts::FigureYbLabel,
                                                        FixedTexts::FigureYcLabel, FixedTexts::FigureYdLabel};

ValueSpin coordinate(QWidget *parent, int vertex, bool isX)
{
    const QString name = QString(isX ? u'x' : u'y') + QChar(u'a' + vertex);
    const char *label = isX ? XLabels[vertex] : YLabels[vertex];
    SpinRange range = VertexYRange;
    if (isX)
        range = vertex >= 2 ? VertexXWrappingRange : VertexXRange;
    return ValueSpin(parent, QString::fromUtf8(label), name, QLatin1Char('p') + name, range);
}

std::array<ValueSpin, VertexCount> coordinates(QWidget *parent, bool isX)
{
    return {coordinate(parent, 0, isX), coordinate(parent, 1, isX), coordinate(parent, 2, isX),
            coordinate(parent, 3, isX)};
}

} // namespace

Tcoordinate::Tcoordinate(QWidget *parent)
    : ParameterDialog(parent, FigureDialogGroup, HelpContext::FigureDialog)
    , m_tipoBox(new QGroupBox(contentArea()))
    , tipo(new QButtonGroup(this))
    , pulizia(new QCheckBox(contentArea()))
    , m_x(coordinates(contentArea(), true))
    , m_y(coordinates(contentArea(), false))
    , raggio(new QLineEdit(contentArea()))
    , praggio(new SpinControl(QStringLiteral("praggio"), RadiusRange, contentArea()))
{
    setObjectName(QStringLiteral("Tcoordinate"));
    m_tipoBox->setObjectName(QStringLiteral("tipo"));
    tipo->setObjectName(QStringLiteral("tipoButtons"));
    pulizia->setObjectName(QStringLiteral("pulizia"));
    raggio->setObjectName(QStringLiteral("raggio"));

    auto *types = new QVBoxLayout(m_tipoBox);
    for (int type = 0; type < FigureTypeCount; ++type) {
        auto *item = new QRadioButton(m_tipoBox);
        item->setObjectName(QStringLiteral("tipo%1").arg(type));
        types->addWidget(item);
        tipo->addButton(item, type);
    }
    connect(tipo, &QButtonGroup::idClicked, this, &Tcoordinate::tipoClick);

    // Only digits get in; whatever number they make is brought inside the
    // radius range, and the spin follows at once so that OK stores what the
    // field shows.
    raggio->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), raggio));
    raggio->setAlignment(Qt::AlignRight);
    raggio->setFixedWidth(m_x[0].field->width());
    praggio->setValue(DefaultRadius);
    raggio->setText(QString::number(praggio->value()));
    connect(praggio, &QSpinBox::valueChanged, raggio,
            [this](int radius) { raggio->setText(QString::number(radius)); });
    connect(raggio, &QLineEdit::textEdited, this, &Tcoordinate::raggioEdited);
    connect(raggio, &QLineEdit::editingFinished, this, &Tcoordinate::raggioEditingFinished);

    auto *left = new QVBoxLayout;
    left->addWidget(m_tipoBox);
    left->addWidget(pulizia);
    left->addStretch();

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        m_x[vertex].addTo(grid, vertex, 0);
        m_y[vertex].addTo(grid, vertex, 4);
    }
    grid->setColumnMinimumWidth(3, 12);
    grid->addWidget(new QLabel(QString::fromUtf8(FixedTexts::FigureRadiusLabel), contentArea()), VertexCount, 0,
                    Qt::AlignRight);
    grid->addWidget(raggio, VertexCount, 1);
    grid->addWidget(praggio, VertexCount, 2);
    grid->setRowStretch(VertexCount + 1, 1);

    auto *layout = new QHBoxLayout(contentArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addSpacing(12);
    layout->addLayout(grid);

    QList<QWidget *> order(tipo->buttons().cbegin(), tipo->buttons().cend());
    order << pulizia;
    for (int vertex = 0; vertex < VertexCount; ++vertex)
        order << m_x[vertex].spin << m_y[vertex].spin;
    order << raggio << praggio;
    setTabOrder(order);
}

void Tcoordinate::FormActivate()
{
    setWindowTitle(LongTexts.text(27));
    m_tipoBox->setTitle(LongTexts.text(15));
    for (int type = 0; type < FigureTypeCount; ++type)
        tipo->button(type)->setText(LongTexts.text(FirstTypeRow + type));
    pulizia->setText(ShortTexts.text(25));
    pulizia->setCursor(pointingCursor());
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        m_x[vertex].setHint(hint(FirstCoordinateHintRow + 2 * vertex));
        m_y[vertex].setHint(hint(FirstCoordinateHintRow + 2 * vertex + 1));
    }
    const QString radiusHint = hint(RadiusHintRow);
    for (QWidget *radius : {static_cast<QWidget *>(raggio), static_cast<QWidget *>(praggio)}) {
        radius->setToolTip(radiusHint);
        radius->setAccessibleName(radiusHint);
    }

    const TransformSettingsValues &s = TransformSettings;
    pulizia->setChecked(s.ClearScreen);
    if (QAbstractButton *shown = tipo->button(s.SelectedFigureType)) {
        shown->setChecked(true);
        shown->setFocus();
    }
    const FigureRows rows = rowsOnOpening(s.FigureIsCircle, s.FigureType);
    enableRows(rows);

    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        m_x[vertex].setPosition(s.FigureX[vertex]);
        m_y[vertex].setPosition(s.FigureY[vertex]);
    }
    if (s.FigureIsCircle)
        praggio->setValue(boundedPosition(s.FigureX[1], RadiusRange));
}

void Tcoordinate::enableRows(const FigureRows &rows)
{
    m_x[1].setEnabled(rows.b);
    m_y[1].setEnabled(rows.b);
    m_x[2].setEnabled(rows.c);
    m_y[2].setEnabled(rows.c);
    m_x[3].setEnabled(rows.d);
    m_y[3].setEnabled(rows.d);
    raggio->setEnabled(rows.radius);
}

void Tcoordinate::tipoClick(int type)
{
    enableRows(rowsForType(type));
    TransformSettings.SelectedFigureType = static_cast<quint8>(type);
    TransformSettings.FigureIsCircle = type == CircleFigure;
}

void Tcoordinate::raggioEdited(const QString &text)
{
    if (const std::optional<int> radius = typedRadius(text)) {
        // The field keeps what is being typed until editing ends.
        const QSignalBlocker typing(praggio);
        praggio->setValue(*radius);
    }
}

void Tcoordinate::raggioEditingFinished()
{
    raggio->setText(QString::number(praggio->value()));
}

bool Tcoordinate::storeValues()
{
    TransformSettingsValues &s = TransformSettings;
    s.ClearScreen = pulizia->isChecked();
    const int type = tipo->checkedId();
    s.FigureType = static_cast<quint8>(type);
    s.FigureX[0] = m_x[0].position();
    s.FigureY[0] = m_y[0].position();
    if (type == CircleFigure) {
        // The circle keeps its radius in entry 1 of both arrays.
        s.FigureX[1] = praggio->value();
        s.FigureY[1] = praggio->value();
    } else {
        // Rows the type leaves unused are stored as shown all the same.
        for (int vertex = 1; vertex < VertexCount; ++vertex) {
            s.FigureX[vertex] = m_x[vertex].position();
            s.FigureY[vertex] = m_y[vertex].position();
        }
    }
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        s.VertexTextX[vertex][0] = vertexText(m_x[vertex].field->text());
        s.VertexTextY[vertex][0] = vertexText(m_y[vertex].field->text());
    }
    return true;
}

#pragma once

#include "plane/composition.h"

#include <QDialog>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QWidget;

// The data table "  Dati delle trasformazioni": on four pages, the
// coordinates recorded at each stage of the lesson, the parameters of the
// first and second transformation, their matrices, and their composition:
// both products and the single map each amounts to. Modal; it reads the
// store and the workspace's values when it opens and changes nothing.
class Tgeotab : public QDialog
{
    Q_OBJECT

public:
    // `transformCount` and the kind names are the workspace's TransformCount
    // and TableKindName1/2.
    // `showElement` draws a composed map's element where the table's owner
    // shows the lesson; without it the page offers no "Mostra".
    using ElementShower = std::function<void(const Composition::Map &)>;
    Tgeotab(int transformCount, const QString &kindName1, const QString &kindName2, QWidget *parent = nullptr,
            ElementShower showElement = {});

    // Creates the window, shows it modally and frees it.
    static int execute(QWidget *parent, int transformCount, const QString &kindName1, const QString &kindName2,
                       ElementShower showElement = {});

    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    static constexpr int LabelCount = 57;
    static constexpr int PanelCount = 8;

    QWidget *createCoordinatePage();
    QWidget *createParameterPage();
    QWidget *createMatrixPage();
    QWidget *createCompositionPage();
    void showComposition();
    void createCopyItems();
    // The page on view as plain text: its visible labels, a row a line,
    // tab-separated, as a spreadsheet takes them.
    QString shownPageText() const;
    void fitTabCaptions();
    QLabel *makeLabel(int number, QWidget *parent);
    QFrame *makePanel(int number, QWidget *parent);

    int m_transformCount;
    QString m_kindName1;
    QString m_kindName2;
    bool m_activated = false;

    QTabWidget *Tabula;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet3;
    // Label1..Label57 and Panel1..Panel8 by their numbers; entry 0 is unused.
    std::array<QLabel *, LabelCount + 1> Label{};
    std::array<QFrame *, PanelCount + 1> Panel{};
    QPushButton *BitBtn1;
    // The "Composizione" page: a block per product, the direct one first.
    struct CompositionBlock {
        QLabel *title = nullptr;
        QFrame *panel = nullptr;
        std::array<std::array<QLabel *, 3>, 3> matrix{};
        QLabel *determinant = nullptr;
        QLabel *name = nullptr;
        QLabel *check = nullptr;
        QPushButton *show = nullptr;
        Composition::Map map;
    };
    ElementShower m_showElement;
    std::array<CompositionBlock, 2> m_composition;
    QString m_compositionLatex;
};

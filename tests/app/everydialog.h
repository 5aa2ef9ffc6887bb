#pragma once

#include "calc/tcalcola.h"
#include "dialogs/taffina.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeosim.h"
#include "dialogs/tgeotrasla.h"
#include "dialogs/tinclinazioni.h"
#include "info/tinfo.h"
#include "plane/tgeotab.h"
#include "space/tcuborot.h"

#include <utility>
#include <vector>

// One of each dialog of the program, made as the program makes them, each
// with the name a test reports it by. They give their controls their texts
// as they open: show one before looking at its texts.
struct EveryDialog {
    TCalcola calculator;
    Tinfo info;
    Taffina affinity;
    Tcoordinate figure;
    Tdilatazioni dilation;
    Tgeomot homothety;
    Tgeorota rotation;
    Tgeosim symmetry;
    Tgeotrasla translation;
    Tinclinazioni shear;
    Tgeotab table{2, QStringLiteral("rotazione"), QStringLiteral("traslazione")};
    CubeSchedule schedule;
    CubeDialogHints hints;
    Tcuborot cube{schedule, hints};

    std::vector<std::pair<const char *, QWidget *>> all()
    {
        return {{"calculator", &calculator},   {"about", &info},         {"affinity", &affinity},
                {"figure dialog", &figure},    {"dilation", &dilation},  {"homothety", &homothety},
                {"rotation", &rotation},       {"symmetry", &symmetry},  {"translation", &translation},
                {"shear", &shear},             {"data table", &table},   {"cube schedule", &cube}};
    }
};

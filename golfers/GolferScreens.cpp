#include "GolferScreens.h"

#include "frmAddGolfer.h"
#include "frmDeleteGolfer.h"
#include "frmEditGolfer.h"

namespace golfers {

QWidget* CreateAddGolferScreen(QWidget* parent) {
    return new frmAddGolfer(parent);
}

QWidget* CreateEditGolferScreen(QWidget* parent) {
    return new frmEditGolfer(parent);
}

QWidget* CreateRemoveGolferScreen(QWidget* parent) {
    return new frmDeleteGolfer(parent);
}

}  // namespace golfers

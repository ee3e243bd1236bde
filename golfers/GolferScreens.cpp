#include "golfers/GolferScreens.h"

#include "golfers/frmAddGolfer.h"
#include "golfers/frmDeleteGolfer.h"
#include "golfers/frmEditGolfer.h"

namespace parlow::golfers {

QWidget* CreateAddGolferScreen(QWidget* parent) {
    return new frmAddGolfer(parent);
}

QWidget* CreateEditGolferScreen(QWidget* parent) {
    return new frmEditGolfer(parent);
}

QWidget* CreateRemoveGolferScreen(QWidget* parent) {
    return new frmDeleteGolfer(parent);
}

}  // namespace parlow::golfers

#include "GameScreens.h"

#include "frmAddGame.h"
#include "frmDeleteGame.h"

namespace games {

QWidget* CreateAddGameScreen(QWidget* parent) {
    return new frmAddGame(parent);
}

QWidget* CreateRemoveGameScreen(QWidget* parent) {
    return new frmDeleteGame(parent);
}

}  // namespace games

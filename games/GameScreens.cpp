#include "games/GameScreens.h"

#include "games/frmAddGame.h"
#include "games/frmDeleteGame.h"

namespace parlow::games {

QWidget* CreateAddGameScreen(QWidget* parent) {
    return new frmAddGame(parent);
}

QWidget* CreateRemoveGameScreen(QWidget* parent) {
    return new frmDeleteGame(parent);
}

}  // namespace parlow::games

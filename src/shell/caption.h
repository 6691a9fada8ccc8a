// The main window's caption and the task-bar title, built from the month counter, the company's
// name and its cash: "3年 6月  ボーナスシーズン：名前経営中：資金 1,234", in the player's language.
#pragma once

#include <QString>

namespace gm {

class tworld;

QString mainCaption(const tworld& world);
// The caption without the cash.
QString taskbarTitle(const tworld& world);

}  // namespace gm

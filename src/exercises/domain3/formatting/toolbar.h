#pragma once
#include "pictures/wordprocessor.h"

#include <QList>

// The tool bar of the two-page word processor (529 x 41). Its live buttons and its
// picture share it, so the centre button of the picture lies where the live one was.
namespace FormattingToolBar {
QList<WordProcessor::ToolItem> items();
}

#pragma once

#include "app/app_state.h"
#include "sizing/results_panel_texts.h"

#include <string>

// What a calculation leaves for the user to read that no catalogue content
// may spoil: the result fields and the details of the results panel, and the
// value texts of the pending valve-list row. Empty when all is well, else
// one line per spoiled text.
std::string spoiledTexts(const ResultsPanelTexts& panel, const ProjectRow& pending);

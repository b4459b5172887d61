#pragma once
#include "shell/CaptionTable.h"

namespace kt913 {
const CaptionTable &frmWritingCaptions();
}

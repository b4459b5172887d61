#pragma once
#include "widgets/CaptionTable.h"

namespace kt913 {
const CaptionTable &frmWritingCaptions();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a report on a printer, a PDF writer or any other paged device.
#include "ReportWriter.h"

class QPagedPaintDevice;

namespace kt913 {

// Lays the report out for the device's page and paints every page as real text, so that
// a PDF can be searched and copied from. Returns the number of pages, 0 when the device
// could not be painted on.
int drawReport(const ReportWriter &report, QPagedPaintDevice &device);

} // namespace kt913

#pragma once

// The advance-table conversion: the table, its number rules, the decoder, the
// encoder and the curve. No windowing, no I/O.

#include "core/AdvanceCurve.h"
#include "core/AdvanceTable.h"
#include "core/Decoder.h"
#include "core/Encoder.h"
#include "core/ExactAngle.h"
#include "core/NumberText.h"
#include "core/Outcome.h"

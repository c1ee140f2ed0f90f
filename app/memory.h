// The memory register's commands without their window.
#ifndef KALVORIX_APP_MEMORY_H
#define KALVORIX_APP_MEMORY_H

#include <string>

#include "convert.h"
#include "outcome.h"

Outcome MemoryClear();     // MC
Outcome MemoryAdd();       // M+
Outcome MemorySubtract();  // M-
Outcome MemoryMultiply();  // M×
Outcome MemoryDivide();    // M÷

// MR: the register in the target system (ROMAN, or a base), with as many
// fractional digits as the precision field's text gives.
Outcome MemoryRecall(int target, const std::string& precisionField);
// The same, handing out the register's number as read and the result in
// parts, for MR's worked solution (meaningful only when the outcome is OUTPUT).
Outcome MemoryRecall(int target, const std::string& precisionField, ConversionParts& recalled);

// The fractional digits MR writes for the precision field's text: read as it
// stands, unvalidated, and bounded to the precisions the program works at.
int RecallPrecision(const std::string& precisionField);

// Whether the "M" indicator shows: the register is not zero.
bool MemoryIndicatorShown();

#endif

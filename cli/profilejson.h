#pragma once

#include "cli/jsonwriter.h"

class CNumerology;
class CNumerologyPMatrix;

/** Writes the profile members (by their names) and, when given, "matrix". */
void writeProfileJson(JsonWriter &json, const CNumerology &profile,
                      const CNumerologyPMatrix *matrix);

/** The psychomatrix as {"cells": [...], "lines": [...], "summary": "..."} plus working numbers. */
void writeMatrixJson(JsonWriter &json, const CNumerologyPMatrix &matrix);

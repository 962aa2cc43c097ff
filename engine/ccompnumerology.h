#pragma once

#include <QString>

class CNumerology;
class CNumerologyPMatrix;

/**
 * Love compatibility of two already computed people (profile and psychomatrix
 * each). Percentages come from fixed tables; all reductions use qz::compatReduce
 * (1..9, with 11, 22, 33 turned into 2, 4, 6). A number outside 1..9 (for example
 * a life path of 0 from an invalid date) never indexes a table; its percentage
 * stays at the neutral 50.
 */
class CCompNumerology
{
public:
    // Members in the documented order.
    int lifePathPercent = 50;
    int lifePathA = 0, lifePathB = 0;
    int lifePathCode = 0;
    int homeProductA = 0, homeProductB = 0;
    int spiritProductA = 0, spiritProductB = 0;
    int homeStability = 0;
    int spiritualStability = 0;
    int marriageTerm = 0;
    int nameCode = 0;
    int namePercent = 50;
    int valuesPercent = 0;
    int characterCode = 0, energyCode = 0;

    // Further results.
    int lifePathTextCode = 0; ///< max + 10 * min of the reduced life paths
    int birthdayA = 0, birthdayB = 0; ///< cr of the birth days
    int birthdayCode = 0;
    int birthdayPercent = 50;
    int birthdayTextCode = 0;
    int nameA = 0, nameB = 0; ///< cr of the expressions
    int nameTextCode = 0;
    int familyPercent = 0;
    int totalPercent = 0;

    QString lifePathCalcText;     ///< lpA+lpB=code (life paths as held, masters kept)
    QString lifePathPercentText;  ///< e.g. "90%"
    QString birthdayCalcText;     ///< dayA+dayB=code (the days of the month)
    QString birthdayPercentText;
    QString homeProductAText, homeProductBText;
    QString spiritProductAText, spiritProductBText;
    QString homeStabilityText, spiritualStabilityText, marriageTermText;
    QString familyPercentText;
    QString valuesPercentText;
    QString nameCalcText;         ///< eA+eB=code (the unreduced expressions)
    QString namePercentText;
    QString totalPercentText;

    CCompNumerology();

    /** Rates person @p a against partner @p b. Always succeeds for computed inputs. */
    bool calculate(const CNumerology &a, const CNumerology &b, const CNumerologyPMatrix &matrixA,
                   const CNumerologyPMatrix &matrixB);
    /** Clears the numeric results and texts (percentages back to their defaults). */
    void reset();

    /** Life-path group percentage for reduced life paths (50 when not found or out of range). */
    static int lifePathPercentFor(int a, int b);
    /** Birthday table for code 1..9 (50 outside). */
    static int birthdayPercentFor(int code);
    /** Name table for two reduced expressions 1..9 in either order (50 outside). */
    static int namePercentFor(int e, int f);
    /** Values table for the two 3-5-7 line sums. */
    static int valuesPercentFor(int lineA, int lineB);
};

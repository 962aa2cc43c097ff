#pragma once

#include <QByteArray>
#include <QChar>
#include <QHash>

#include <initializer_list>

/**
 * One character of a linear symbology's character set: the modules it is drawn
 * with (1 bar, 0 space, one module each) and, when it is printed under the bars,
 * its readable character and that character's width in the label font.
 */
struct BarcodeSymbol {
    char symbol = 0;
    QByteArray modules;
    QChar readable;
    int textWidth = 0;
};

/**
 * The module table of one linear symbology, keyed by symbol character.
 * Tables are built once per run (see the per-symbology accessors) and shared.
 */
class BarcodeTable
{
public:
    /** Adds a character; @p modules is a string of '0' and '1'. */
    void add(char symbol, const char *modules, QChar readable = QChar());
    /** Adds a character given as alternating bar/space widths ("nwnnw..." or "2122..."). */
    void addWidths(char symbol, const char *widths, int wide, QChar readable = QChar());
    /** Null when @p symbol has no entry. */
    const BarcodeSymbol *find(char symbol) const;
    /** Measures the readable characters in the label font; false without a GUI application. */
    bool measureText();
    int size() const { return m_symbols.size(); }

private:
    QHash<char, BarcodeSymbol> m_symbols;
};

/** What an encoder hands to a painter: symbol characters and which of them carry text. */
struct BarcodeSymbols {
    QByteArray symbols;
    QByteArray printable; ///< one byte per symbol: 1 when its readable character is printed
    void append(char symbol, bool print)
    {
        symbols.append(symbol);
        printable.append(print ? '\1' : '\0');
    }
    bool isEmpty() const { return symbols.isEmpty(); }
};

/** Pixel size of the label font under the bars. */
constexpr int kBarcodeLabelPixelSize = 18;

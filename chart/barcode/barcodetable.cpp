#include "chart/barcode/barcodetable.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

void BarcodeTable::add(char symbol, const char *modules, QChar readable)
{
    BarcodeSymbol s;
    s.symbol = symbol;
    s.modules = QByteArray(modules);
    s.readable = readable;
    m_symbols.insert(symbol, s);
}

void BarcodeTable::addWidths(char symbol, const char *widths, int wide, QChar readable)
{
    QByteArray modules;
    bool bar = true;
    for (const char *p = widths; *p; ++p) {
        int n = 1;
        if (*p == 'w' || *p == 'W')
            n = wide;
        else if (*p >= '1' && *p <= '9')
            n = *p - '0';
        modules.append(QByteArray(n, bar ? '1' : '0'));
        bar = !bar;
    }
    add(symbol, modules.constData(), readable);
}

const BarcodeSymbol *BarcodeTable::find(char symbol) const
{
    auto it = m_symbols.constFind(symbol);
    return it == m_symbols.constEnd() ? nullptr : &it.value();
}

bool BarcodeTable::measureText()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kBarcodeLabelPixelSize);
    const QFontMetrics fm(font);
    for (auto it = m_symbols.begin(); it != m_symbols.end(); ++it) {
        if (!it->readable.isNull())
            it->textWidth = fm.horizontalAdvance(it->readable);
    }
    return true;
}

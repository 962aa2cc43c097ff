#include "reports/creporttexts.h"

#include "texts/interpretationtexts.h"

namespace {

class CStoreTexts final : public CReportTexts
{
public:
    QString text(int section, int index) const override
    {
        // The celebrity texts of records 100..199 live in the second half tables.
        if (section >= 602 && section <= 604) {
            const auto kind = static_cast<CelebrityTextKind>(section - 602);
            return index >= 0 && index < kCelebrityCapacity ? celebrityText(kind, index) : QString();
        }
        if (section == 900)
            return generalText(index);
        return interpretationText(section, index);
    }
    QString customText() const override { return ::customText(); }
};

} // namespace

CReportTexts::~CReportTexts() = default;

const CReportTexts &CReportTexts::store()
{
    static const CStoreTexts texts;
    return texts;
}

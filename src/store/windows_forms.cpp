#include "store/windows_forms.h"

#include <algorithm>
#include <iterator>

namespace {

struct FormPair {
    char16_t typed;
    char16_t stored;
};

constexpr FormPair Pairs[] = {
    {u'\u301C', u'\uFF5E'}, // wave dash, fullwidth tilde
    {u'\u2016', u'\u2225'}, // double vertical line, parallel to
    {u'\u2212', u'\uFF0D'}, // minus sign, fullwidth hyphen-minus
    {u'\u00A2', u'\uFFE0'}, // cent sign
    {u'\u00A3', u'\uFFE1'}, // pound sign
    {u'\u00AC', u'\uFFE2'}, // not sign
};

} // namespace

QString toWindowsForms(QString text)
{
    for (QChar& c : text) {
        const auto found = std::find_if(std::begin(Pairs), std::end(Pairs),
                                        [c](const FormPair& p) { return p.typed == c.unicode(); });
        if (found != std::end(Pairs))
            c = QChar(found->stored);
    }
    return text;
}

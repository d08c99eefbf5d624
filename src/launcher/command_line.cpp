#include "launcher/command_line.h"

QString buildCommandLine(const ItemRec& r, int16_t shift)
{
    const QChar blank(' ');
    if (r.IsDoc) {
        if (shift != 0)
            return r.AssocExe + blank + r.ProgName;
        return r.AssocExe + blank + r.CmdParam + blank + r.ProgName;
    }
    if (shift != 0)
        return r.ProgName;
    return r.ProgName + blank + r.CmdParam;
}

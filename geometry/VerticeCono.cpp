// The apex as the crossing of AC and BD, in the one form the validation and the cone share.
#include "geometry/VerticeCono.h"

void CalcolaVertice(const StatoSviluppo &s, double &x, double &y) noexcept
{
    const double mAC = (s.YC - s.YA) / (s.XC - s.XA);
    const double mBD = (s.YD - s.YB) / (s.XD - s.XB);
    x = ((s.YC - s.YA) * s.XA / (s.XC - s.XA) - (s.YD - s.YB) * s.XB / (s.XD - s.XB) + s.YB - s.YA) / (mAC - mBD);
    y = (s.YD - s.YB) * x / (s.XD - s.XB) - (s.YD - s.YB) * s.XB / (s.XD - s.XB) + s.YB;
}

#pragma once

#include <QStringList>

// The benchmark's fixed mix of typical expressions: numbers, functions,
// powers, nested parentheses.
inline QStringList benchmarkMix()
{
    return u"2sin(30)+sqrt(3)/2|1/3|(-8)^(1/3)|2^-3*4^0.5|arccos(-0.5)+arcsin(1)-arctan(1)|"
           u"((1+2)*(3-4))/((5+6)*(7-8))|log(1000)+ln(e^2)|exp-1*abs(-2.5)|12345.678*0,001|"
           u"2pi(1+cos(60))^2|(((((2+3)*4)-5)/6)^2)|sqrt(2)^2-2"_qs.split(u'|');
}

#pragma once
// The number and date formats the screens show and print.
#include <QDate>
#include <QString>

namespace zolmera {

// "##,###,##0": "." groups thousands, zero shows "0", negatives "-1.234".
QString formatImporto(qint64 n);
// "##,###,##0.00": "1.234,50", with a decimal comma; rounds half away from zero.
QString formatImportoDecimali(double n);
// "##0.00": two decimals, decimal comma, no grouping ("0,50", "1234,50");
// rounds half away from zero.
QString formatDecimali(double n);
// "00": at least two digits ("05", "123", "-05").
QString formatDueCifre(qint64 n);
// "00.00": two integer digits at least and two decimals, decimal comma ("05,50").
QString formatSecondi(double n);
// Str(): a leading blank for zero and positives, "-" for negatives; decimals
// with a point and no trailing zeros (" 5", "-3", " 2.5").
QString vbStr(qint64 n);
QString vbStr(double n);
// The Italian short date: "05/01/2027".
QString formatDataBreve(const QDate& d);
// "dddd dd mmmm yyyy" in Italian: "giovedì 10 dicembre 2026".
QString formatDataLunga(const QDate& d);

}  // namespace zolmera

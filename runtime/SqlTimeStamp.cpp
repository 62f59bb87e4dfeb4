// SQL time stamps and their variant type.
#include "SqlTimeStamp.h"

#include <cmath>

const TResStringRec SInvalidSqlTimeStamp{L"SInvalidSqlTimeStamp", L"Invalid SQL date/time values"};

bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result) {
  TDateTime date = 0, time = 0;
  if (value.Fractions > 999 || !TryEncodeTime(value.Hour, value.Minute, value.Second, int(value.Fractions), time))
    return false;
  if ((value.Year != 0 || value.Month != 0 || value.Day != 0) && !TryEncodeDate(value.Year, value.Month, value.Day, date))
    return false;
  // Before 1899-12-30 the time counts away from the day, as the runtime's dates do.
  result = date < 0 ? date - time : date + time;
  return true;
}

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value) {
  TDateTime result;
  if (!TrySQLTimeStampToDateTime(value, result)) throw EConvertError(LoadResString(&SInvalidSqlTimeStamp));
  return result;
}

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value) {
  int year, month, day, hour, minute, second, msec;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
  TSQLTimeStamp r;
  r.Year = int16_t(year);
  r.Month = uint16_t(month);
  r.Day = uint16_t(day);
  r.Hour = uint16_t(hour);
  r.Minute = uint16_t(minute);
  r.Second = uint16_t(second);
  r.Fractions = uint32_t(msec);
  return r;
}

namespace {

struct TStampData : TCustomVariantData {
  explicit TStampData(const TSQLTimeStamp& value) : Value(value) {}
  TSQLTimeStamp Value;
};

[[noreturn]] void CastError(TVarType from, TVarType to) {
  throw EVariantTypeCastError(Format(LoadResString(&SVarTypeCastError), {VarTypeAsText(from), VarTypeAsText(to)}));
}

class TSQLTimeStampVariantType : public TCustomVariantType {
 public:
  Variant Create(const TSQLTimeStamp& value) const { return MakeValue(std::make_shared<TStampData>(value)); }

  // Every conversion goes through the date the stamp stands for.
  Variant CastTo(const Variant& Source, TVarType Target) const override {
    TDateTime date;
    if (!TrySQLTimeStampToDateTime(static_cast<const TStampData*>(VarCustomData(Source))->Value, date))
      CastError(Source.VarType(), Target);
    return VarAsType(VarFromDateTime(date), Target);
  }

  Variant CastFrom(const Variant& Source) const override { return Create(VarToSQLTimeStamp(Source)); }

  int Compare(const Variant& A, const Variant& B) const override {
    const TDateTime a = A.AsDate(), b = B.AsDate();
    return a < b ? -1 : a > b ? 1 : 0;
  }
};

const TSQLTimeStampVariantType& StampType() {
  static const TSQLTimeStampVariantType type;
  return type;
}

}  // namespace

TVarType VarSQLTimeStamp() { return StampType().VarType(); }

Variant VarSQLTimeStampCreate(const TSQLTimeStamp& value) { return StampType().Create(value); }

TSQLTimeStamp VarToSQLTimeStamp(const Variant& v) {
  if (v.VarType() == VarSQLTimeStamp()) return static_cast<const TStampData*>(VarCustomData(v))->Value;
  if (v.IsNull() || v.IsArray()) CastError(v.VarType(), VarSQLTimeStamp());
  const TDateTime date = v.AsDate();
  // Dates beyond the stamp's signed 16-bit year can't be stamps.
  if (!std::isfinite(date) || date < -693593 || date > 2958465) CastError(v.VarType(), VarSQLTimeStamp());
  return DateTimeToSQLTimeStamp(date);
}

#include "access/Command.h"

#include "Utf8.h"
#include "access/DatabaseState.h"

namespace sindhikit::dataaccess {

namespace {

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fa = a[i], fb = b[i];
    if (fa >= u'A' && fa <= u'Z') fa = static_cast<char16_t>(fa + 0x20);
    if (fb >= u'A' && fb <= u'Z') fb = static_cast<char16_t>(fb + 0x20);
    if (fa != fb) return false;
  }
  return true;
}

bool IsTextType(std::int32_t type) {
  return type == adBSTR || type == adWChar || type == adVarChar || type == adLongVarChar ||
         type == adVarWChar || type == adLongVarWChar;
}

}  // namespace

void Parameters::Append(Parameter parameter) {
  for (const auto& p : items_)
    if (SameNameIgnoringCase(p.Name, parameter.Name))
      throw DataError(ErrorNumber::InvalidArgument,
                      "The command already has a parameter named '" + Utf16ToUtf8(parameter.Name) + "'");
  items_.push_back(std::move(parameter));
}

Parameter& Parameters::operator()(std::u16string_view name) {
  return const_cast<Parameter&>(static_cast<const Parameters&>(*this)(name));
}

const Parameter& Parameters::operator()(std::u16string_view name) const {
  for (const auto& p : items_)
    if (SameNameIgnoringCase(p.Name, name)) return p;
  throw DataError(ErrorNumber::ItemNotFound,
                  "Item cannot be found in the collection corresponding to the requested name: parameter '" +
                      Utf16ToUtf8(name) + "'");
}

Parameter Command::CreateParameter(std::u16string_view name, std::int32_t type, std::int32_t direction,
                                   std::int32_t size, FieldValue value) const {
  if (!IsTextType(type))
    throw DataError(ErrorNumber::InvalidArgument,
                    "Parameter '" + Utf16ToUtf8(name) + "': only text parameters are offered, not type " +
                        std::to_string(type));
  if (direction != adParamInput)
    throw DataError(ErrorNumber::InvalidArgument,
                    "Parameter '" + Utf16ToUtf8(name) + "': only input parameters are offered");
  if (size < 0)
    throw DataError(ErrorNumber::InvalidArgument, "Parameter '" + Utf16ToUtf8(name) + "': negative size");
  return Parameter{std::u16string(name), type, direction, size, std::move(value)};
}

Recordset Command::Execute(std::int64_t& recordsAffected, std::int32_t options) {
  if (options != adOptionUnspecified && options != adCmdText && options != adCmdStoredProc)
    throw DataError(ErrorNumber::InvalidArgument, "Execute: options " + std::to_string(options) + " are not offered");
  const auto& state = ActiveConnection.state_;
  if (!state->database)
    throw DataError(ErrorNumber::ConnectionNotUsable,
                    "The connection cannot be used to perform this operation: it is closed");
  const auto database = state->database;

  std::u16string sql;
  if (CommandType == adCmdStoredProc) {
    auto stored = database->StoredQuerySql(CommandText);
    if (!stored)
      throw DataError(ErrorNumber::ObjectNotFound, "The word store '" + database->displayPath +
                                                       "' has no stored query '" + Utf16ToUtf8(CommandText) + "'");
    sql = std::move(*stored);
  } else if (CommandType == adCmdText || CommandType == adCmdUnspecified) {
    sql = CommandText;
  } else {
    throw DataError(ErrorNumber::InvalidArgument,
                    "Command type " + std::to_string(CommandType) + " is not offered (1 text, 4 stored query)");
  }

  auto statement = std::make_unique<detail::PooledStatement>(database, sql);
  sqlite3_stmt* stmt = statement->stmt;
  const int wanted = sqlite3_bind_parameter_count(stmt);
  std::vector<bool> bound(static_cast<std::size_t>(wanted) + 1, false);
  for (const auto& p : parameters_.Items()) {
    const std::string name = Utf16ToUtf8(p.Name);
    int index = 0;  // matched without regard to case, like every name of the store
    for (int i = 1; i <= wanted && index == 0; ++i) {
      const char* candidate = sqlite3_bind_parameter_name(stmt, i);
      if (candidate && SameNameIgnoringCase(Utf8ToUtf16(candidate).value_or(u""), p.Name)) index = i;
    }
    if (index == 0)
      throw DataError(ErrorNumber::ItemNotFound, "'" + name + "' is not a parameter of '" +
                                                     Utf16ToUtf8(CommandText) + "'");
    const int rc = p.Value ? sqlite3_bind_text16(stmt, index, p.Value->data(),
                                                 static_cast<int>(p.Value->size() * sizeof(char16_t)),
                                                 SQLITE_TRANSIENT)
                           : sqlite3_bind_null(stmt, index);
    if (rc != SQLITE_OK) database->Raise(rc, "Binding '" + name + "'");
    bound[static_cast<std::size_t>(index)] = true;
  }
  for (int i = 1; i <= wanted; ++i) {
    if (!bound[static_cast<std::size_t>(i)]) {
      const char* name = sqlite3_bind_parameter_name(stmt, i);
      throw DataError(ErrorNumber::MissingParameterValue,
                      std::string("No value given for the parameter '") + (name ? name : "?") + "' of '" +
                          Utf16ToUtf8(CommandText) + "'");
    }
  }

  Recordset rs;
  rs.Start(std::move(statement));
  recordsAffected = -1;
  return rs;
}

}  // namespace sindhikit::dataaccess

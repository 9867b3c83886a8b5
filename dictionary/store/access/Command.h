// Command: runs a stored query of the store (or a query text) with named parameters, as
// an ADO command does. The store keeps each stored query's SQL text, with its parameters
// written as @name, in the table StoredQueriesTable; Execute prepares that text and binds
// every appended parameter by its name.
//
//   Command cmd;
//   cmd.ActiveConnection = StoreConnection;
//   cmd.CommandType = adCmdStoredProc;
//   cmd.CommandText = u"getXfromPD";
//   cmd.Parameters().Append(cmd.CreateParameter(u"@x", adLongVarWChar, adParamInput, 255));
//   cmd.Parameters(u"@x").Value = EncryptText(word, CipherKey);
//   std::int64_t affected = 0;
//   Recordset rs = cmd.Execute(affected, adOptionUnspecified);
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "access/Connection.h"
#include "access/Recordset.h"

namespace sindhikit::dataaccess {

// The table holding the stored queries: one row per query, columns Name and SQL.
inline constexpr std::u16string_view StoredQueriesTable = u"StoredQueries";

enum CommandTypeEnum : std::int32_t { adCmdUnspecified = -1, adCmdText = 1, adCmdStoredProc = 4 };
enum DataTypeEnum : std::int32_t {
    adBSTR = 8,
    adWChar = 130,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
};
enum ParameterDirectionEnum : std::int32_t { adParamInput = 1 };
inline constexpr std::int32_t adOptionUnspecified = -1;

struct Parameter {
    std::u16string Name;
    std::int32_t Type = adLongVarWChar;
    std::int32_t Direction = adParamInput;
    std::int32_t Size = 0;  // declared size; longer values are passed whole, never cut
    FieldValue Value;       // std::nullopt (no value yet) binds Null
};

class Parameters {
 public:
    // Names are unique without regard to case; appending a second one raises a DataError.
    void Append(Parameter parameter);
    // By name, without regard to case; an unknown name raises ItemNotFound.
    Parameter& operator()(std::u16string_view name);
    const Parameter& operator()(std::u16string_view name) const;
    std::size_t Count() const { return items_.size(); }
    const std::vector<Parameter>& Items() const { return items_; }

 private:
    std::vector<Parameter> items_;
};

class Command {
 public:
    Connection ActiveConnection;
    std::int32_t CommandType = adCmdUnspecified;  // adCmdStoredProc or adCmdText
    std::u16string CommandText;                   // the stored query's name, or SQL

    // A new input parameter of a text type (adVarWChar, adLongVarWChar, ...); any other type
    // or direction raises InvalidArgument. It is not appended.
    Parameter CreateParameter(std::u16string_view name, std::int32_t type, std::int32_t direction, std::int32_t size,
                              FieldValue value = std::nullopt) const;

    ::sindhikit::dataaccess::Parameters& Parameters() { return parameters_; }
    Parameter& Parameters(std::u16string_view name) { return parameters_(name); }

    // Runs the command and returns its rows. recordsAffected becomes -1 (a query affects no
    // records). Raises a DataError when the connection is not open, the stored query is not
    // in the store (ObjectNotFound, naming it), its text cannot be prepared, a parameter of
    // the query has no appended parameter (MissingParameterValue), or an appended parameter
    // is not one of the query's (ItemNotFound).
    Recordset Execute(std::int64_t& recordsAffected, std::int32_t options = adOptionUnspecified);

 private:
    ::sindhikit::dataaccess::Parameters parameters_;
};

}  // namespace sindhikit::dataaccess

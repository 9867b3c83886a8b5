#include "access/Command.h"

#include "Utf8.h"
#include "access/DatabaseState.h"

namespace sindhikit::dataaccess {

namespace {

using detail::SameName;

bool IsTextType(std::int32_t type) {
    return type == adBSTR || type == adWChar || type == adVarChar || type == adLongVarChar || type == adVarWChar ||
           type == adLongVarWChar;
}

}  // namespace

void Parameters::Append(Parameter parameter) {
    for (const auto& p : items_)
        if (SameName(p.Name, parameter.Name))
            throw DataError(ErrorNumber::InvalidArgument,
                            "The command already has a parameter named '" + Utf16ToUtf8(parameter.Name) + "'");
    items_.push_back(std::move(parameter));
}

Parameter& Parameters::operator()(std::u16string_view name) {
    return const_cast<Parameter&>(static_cast<const Parameters&>(*this)(name));
}

const Parameter& Parameters::operator()(std::u16string_view name) const {
    for (const auto& p : items_)
        if (SameName(p.Name, name)) return p;
    throw DataError(ErrorNumber::ItemNotFound,
                    "Item cannot be found in the collection corresponding to the requested name: parameter '" +
                        Utf16ToUtf8(name) + "'");
}

Parameter Command::CreateParameter(std::u16string_view name, std::int32_t type, std::int32_t direction,
                                   std::int32_t size, FieldValue value) const {
    if (!IsTextType(type))
        throw DataError(ErrorNumber::InvalidArgument, "Parameter '" + Utf16ToUtf8(name) +
                                                          "': only text parameters are offered, not type " +
                                                          std::to_string(type));
    if (direction != adParamInput)
        throw DataError(ErrorNumber::InvalidArgument,
                        "Parameter '" + Utf16ToUtf8(name) + "': only input parameters are offered");
    if (size < 0) throw DataError(ErrorNumber::InvalidArgument, "Parameter '" + Utf16ToUtf8(name) + "': negative size");
    return Parameter{std::u16string(name), type, direction, size, std::move(value)};
}

Recordset Command::Execute(std::int64_t& recordsAffected, std::int32_t options) {
    if (options != adOptionUnspecified && options != adCmdText && options != adCmdStoredProc)
        throw DataError(ErrorNumber::InvalidArgument,
                        "Execute: options " + std::to_string(options) + " are not offered");
    const auto& state = ActiveConnection.state_;
    if (!state->database)
        throw DataError(ErrorNumber::ConnectionNotUsable,
                        "The connection cannot be used to perform this operation: it is closed");
    const auto database = state->database;

    std::shared_ptr<detail::StatementPool> pool;
    if (CommandType == adCmdStoredProc) {
        pool = database->StoredQuery(CommandText);
        if (!pool)
            throw DataError(ErrorNumber::ObjectNotFound, "The word store '" + database->displayPath +
                                                             "' has no stored query '" + Utf16ToUtf8(CommandText) +
                                                             "'");
    } else if (CommandType == adCmdText || CommandType == adCmdUnspecified) {
        pool = database->PoolFor(CommandText);
    } else {
        throw DataError(ErrorNumber::InvalidArgument,
                        "Command type " + std::to_string(CommandType) + " is not offered (1 text, 4 stored query)");
    }

    auto statement = std::make_unique<detail::PooledStatement>(database, std::move(pool));
    sqlite3_stmt* stmt = statement->stmt;
    const int wanted = sqlite3_bind_parameter_count(stmt);
    // The query's parameter an appended one names, matched without regard to case; 0 if none.
    const auto indexOf = [&](std::u16string_view name) {
        for (int i = 1; i <= wanted; ++i) {
            const char* candidate = sqlite3_bind_parameter_name(stmt, i);
            if (candidate && SameName(name, candidate)) return i;
        }
        return 0;
    };
    int bound = 0;  // appended names are distinct, so each binds a different parameter
    for (const auto& p : parameters_.Items()) {
        const int index = indexOf(p.Name);
        if (index == 0)
            throw DataError(ErrorNumber::ItemNotFound,
                            "'" + Utf16ToUtf8(p.Name) + "' is not a parameter of '" + Utf16ToUtf8(CommandText) + "'");
        const int rc = p.Value
                           ? sqlite3_bind_text16(stmt, index, p.Value->data(),
                                                 static_cast<int>(p.Value->size() * sizeof(char16_t)), SQLITE_TRANSIENT)
                           : sqlite3_bind_null(stmt, index);
        if (rc != SQLITE_OK) database->Raise(rc, "Binding '" + Utf16ToUtf8(p.Name) + "'");
        ++bound;
    }
    if (bound < wanted) {
        for (int i = 1; i <= wanted; ++i) {
            bool given = false;
            for (const auto& p : parameters_.Items()) given = given || indexOf(p.Name) == i;
            if (!given) {
                const char* name = sqlite3_bind_parameter_name(stmt, i);
                throw DataError(ErrorNumber::MissingParameterValue, std::string("No value given for the parameter '") +
                                                                        (name ? name : "?") + "' of '" +
                                                                        Utf16ToUtf8(CommandText) + "'");
            }
        }
    }

    Recordset rs;
    rs.Start(std::move(statement));
    recordsAffected = -1;
    return rs;
}

}  // namespace sindhikit::dataaccess

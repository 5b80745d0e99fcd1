// How a set binds its columns and parameters: the field exchange, the
// match of bound names to the columns of the set's tables and the SQL of
// the statements built from them.
#include "daoefsetimpl.h"

#include "util/format.h"

int CDAOFieldExchange::ColumnCount() const {
    int n = 0;
    for (const auto& b : bindings_)
        n += b.param ? 0 : 1;
    return n;
}

int CDAOFieldExchange::ParamCount() const {
    return static_cast<int>(bindings_.size()) - ColumnCount();
}

void CDAOEFSet::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Param("lParam0", lParam0);
    fx.Param("lParam1", lParam1);
    fx.Param("lParam2", lParam2);
    fx.Param("sParam0", sParam0);
    fx.Param("sParam1", sParam1);
    fx.Param("sParam2", sParam2);
    fx.Param("byteParam0", byteParam0);
    fx.Param("byteParam1", byteParam1);
    fx.Param("byteParam2", byteParam2);
    fx.Param("strParam0", strParam0);
    fx.Param("strParam1", strParam1);
    fx.Param("strParam2", strParam2);
    fx.Param("datetimeParam0", datetimeParam0);
    fx.Param("datetimeParam1", datetimeParam1);
    fx.Param("datetimeParam2", datetimeParam2);
}

bool CDAOEFSet::BindDayRange(CEFOleDateTime& from, CEFOleDateTime& to) {
    from.Midnight();
    to.PreMidnight();
    // A range with an unreadable end would select by a meaningless value.
    if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid) {
        vantora::notice::show(CEFOleDateTime::MsgInvalid, vantora::notice::Icon::Exclamation);
        return false;
    }
    datetimeParam0 = from;
    datetimeParam1 = to;
    return true;
}

bool CDAOEFSet::Impl::bind() {
    if (bound_)
        return true;
    if (!store_) {
        store_ = vantora::db::openStore(owner_.GetDefaultDBName());
        if (!store_)
            return false;
    }
    const std::string from = owner_.GetDefaultSQL();
    std::vector<std::string> tables = dialect::tables(from);
    if (tables.empty()) {
        vantora::db::reportError(
            vantora::insert("Error: \"%1\" is not a table or a list of tables", {from}));
        return false;
    }
    std::vector<QStringList> tableColumns;
    for (const auto& t : tables) {
        QStringList cols = store_->columns(QString::fromStdString(t));
        if (cols.isEmpty())
            return false;
        tableColumns.push_back(cols);
    }

    CDAOFieldExchange fx;
    owner_.DoFieldExchange(fx);
    if ((owner_.m_nFields != 0 && fx.ColumnCount() != owner_.m_nFields) ||
        fx.ParamCount() != owner_.m_nParams) {
        vantora::db::reportError(vantora::insert(
            "Error: the record set binds %1 columns and %2 parameters but declares %3 and %4",
            {fx.ColumnCount(), fx.ParamCount(), owner_.m_nFields, owner_.m_nParams}));
        return false;
    }

    std::vector<Column> columns;
    std::vector<Param> params;
    for (const auto& b : fx.Bindings()) {
        if (b.param) {
            params.push_back(Param{b.name, b.type, b.value});
            continue;
        }
        const dialect::ColumnName name = dialect::splitColumn(b.name);
        const QString wanted = QString::fromStdString(name.column);
        std::size_t table = tables.size();
        QString actual;
        for (std::size_t t = 0; t < tables.size() && table == tables.size(); ++t) {
            if (!name.table.empty() && !sameName(name.table, QString::fromStdString(tables[t])))
                continue;
            for (const auto& c : tableColumns[t]) {
                if (c.compare(wanted, Qt::CaseInsensitive) == 0) {
                    table = t;
                    actual = c;
                    break;
                }
            }
        }
        if (table == tables.size()) {
            vantora::db::reportError(
                vantora::insert("Error: the column \"%1\" is not in \"%2\"", {b.name, from}));
            return false;
        }
        columns.push_back(Column{b.type, b.value, table, actual.toStdString(),
                                 dialect::reference({tables[table], actual.toStdString()})});
    }

    insertColumns_.assign(tables.size(), {});
    for (std::size_t i = 0; i < columns.size(); ++i)
        insertColumns_[columns[i].table].push_back(i);
    if (tables.size() > 1) {
        for (std::size_t t = 0; t < tables.size(); ++t) {
            std::vector<std::size_t> shared;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (columns[i].table == t)
                    continue;
                bool ownBinding = false;
                for (std::size_t j : insertColumns_[t])
                    ownBinding = ownBinding ||
                                 sameName(columns[j].name, QString::fromStdString(columns[i].name));
                bool exists = false;
                for (const auto& c : tableColumns[t])
                    exists = exists || sameName(columns[i].name, c);
                bool taken = false;
                for (std::size_t j : shared)
                    taken =
                        taken || sameName(columns[j].name, QString::fromStdString(columns[i].name));
                if (exists && !ownBinding && !taken)
                    shared.push_back(i);
            }
            insertColumns_[t].insert(insertColumns_[t].end(), shared.begin(), shared.end());
        }
    }

    tables_ = std::move(tables);
    columns_ = std::move(columns);
    params_ = std::move(params);
    paramNames_.clear();
    textParams_.clear();
    paramByName_.clear();
    textColumns_.clear();
    for (const auto& t : tables_)
        textColumns_.push_back(store_->textColumns(QString::fromStdString(t)));
    for (const auto& p : params_) {
        paramNames_.insert(p.name);
        if (p.type == Type::Text)
            textParams_.insert(p.name);
        paramByName_.emplace(p.name, &p);
    }
    stride_ = tables_.size();
    buildStatements();
    bound_ = true;
    return true;
}

void CDAOEFSet::Impl::buildStatements() {
    std::string cols, from, where;
    for (const auto& c : columns_)
        cols += (cols.empty() ? "" : ", ") + c.reference;
    if (cols.empty())
        cols = "1";
    for (const auto& t : tables_) {
        from += (from.empty() ? "" : ", ") + dialect::quote(t);
        where += (where.empty() ? "" : " AND ") + dialect::quote(t) + "._key = ?";
    }
    rowSql_ = QString::fromStdString(dialect::select(cols, from, where, "", 0));
    // An edit reads its row again; a server locks the row for the edit then,
    // so that others wait for that row only.
    lockedRowSql_ = store_->onServer() ? rowSql_ + QStringLiteral(" FOR UPDATE") : rowSql_;
    std::string marks;
    blockRows_ = store_->onServer() ? ServerBlockRows : BlockRows;
    for (int i = 0; i < blockRows_; ++i)
        marks += i ? ", ?" : "?";
    blockSql_ = QString::fromStdString(
        dialect::select(dialect::quote(tables_[0]) + "._key, " + cols, from,
                        dialect::quote(tables_[0]) + "._key IN (" + marks + ")", "", 0));
    insertSql_.clear();
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        std::string names, values;
        for (std::size_t i : insertColumns_[t]) {
            names += (names.empty() ? "" : ", ") + dialect::quote(columns_[i].name);
            values += values.empty() ? "?" : ", ?";
        }
        std::string sql = "INSERT INTO " + dialect::quote(tables_[t]);
        sql += names.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + values + ")";
        // A server tells the new row's key only when asked for it.
        if (store_->onServer())
            sql += " RETURNING _key";
        insertSql_.push_back(QString::fromStdString(sql));
    }
    deleteSql_ =
        QString::fromStdString("DELETE FROM " + dialect::quote(tables_[0]) + " WHERE _key = ?");
}

// One transaction of the data module's connection: the statements run inside it are stored whole or
// not at all.
#pragma once

namespace server {

class TDM;

/// Begins a transaction; the destructor rolls it back unless it was committed. Nothing may let
/// pending events run while it is open: the service's statements share the connection and would
/// become part of it.
class Transaction
{
public:
    /// Throws DatabaseError when the transaction cannot begin.
    explicit Transaction(TDM &dm);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    /// Throws DatabaseError when the database does not commit; the transaction is rolled back then.
    void commit();

private:
    TDM &m_dm;
    bool m_open = true;
};

} // namespace server

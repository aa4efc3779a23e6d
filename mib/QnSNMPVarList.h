// An ordered list of MIB variables made from a descriptor table, with the list
// kind and index count that tell the request engine how to read it, and one
// value text per variable.
#pragma once

#include "mib/QnSNMPVar.h"
#include "mib/QnSNMPVarDesc.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QnOptionList;

// List kinds.
enum : uint8_t {
    SVT_SV = 0,  // group of scalars: GET of each OID followed by ".0"
    MVT_SV = 1,  // one instance of a group or row, named by the instance text
    MVT_FMV = 2, // table with a fixed set of rows, walked with GET-NEXT
    MVT_UMV = 3, // table whose rows are created and deleted through a row status
};

class QnSNMPVarList
{
public:
    // When not empty, appended with a "." to every variable's OID to form its
    // base OID. Empty after construction; not copied by Assign.
    std::string InstanceText;
    // How many leading variables of a table form the row index.
    int32_t IndexCount = 0;
    // SVT_SV, MVT_SV, MVT_FMV or MVT_UMV.
    uint8_t ListKind = SVT_SV;
    // Name of the list in status messages ("[VARLIST]").
    std::string Title;

    QnSNMPVarList();
    QnSNMPVarList(const QnSNMPVarDesc* table, uint8_t listKind, int32_t indexCount);
    QnSNMPVarList(const QnSNMPVarList& other);
    QnSNMPVarList& operator=(const QnSNMPVarList& other); // same as Assign
    ~QnSNMPVarList();

    // Appends one variable per record up to the record with a null OID.
    void Append(const QnSNMPVarDesc* table);
    // Appends one variable; empty formula or note texts become absent.
    void AddVariable(const std::string& oid, const std::string& label, uint32_t syntax, uint32_t access,
                     const QnOptionList* options = nullptr, const std::string& readFormula = std::string(),
                     const std::string& writeFormula = std::string(),
                     const std::string& note = std::string());
    // Every variable's Oid becomes Oid "." text.
    void AppendInstance(const std::string& text);
    // Clear, then copy kind, index count, Title and deep copies of all
    // variables (option lists shared). The instance text is not copied.
    void Assign(const QnSNMPVarList& other);
    // Releases every variable.
    void Clear();

    // The variable at a position, 0 to Count() - 1 (no range check).
    QnSNMPVar& Get(int position) { return *vars_[size_t(position)]; }
    const QnSNMPVar& Get(int position) const { return *vars_[size_t(position)]; }
    int Count() const { return int(vars_.size()); }

    bool IsImplied(int position) const;       // access has 0x40
    bool IsReadSelected(int position) const;  // 0x02 and not 0x20
    bool IsWriteSelected(int position) const; // not 0x20; 0x04, or an index variable of a table list
    bool IsShown(int position) const;         // not 0x20 nor 0x10; one of 0x01, 0x08, 0x02
    bool IsHidden(int position) const;        // exactly 0x04, or 0x20, or 0x10
    int CountShown() const;
    int CountHidden() const;

    // Option lists owned by this list and destroyed with it.
    void AdoptOptionList(std::unique_ptr<QnOptionList> list);
    int OwnedOptionListCount() const { return int(ownedOptions_.size()); }

    // Static lists naming the list kinds ("SVT_SV", ...), the syntax codes
    // ("integer", ...) and the access values ("notaccess", ...).
    static const QnOptionList& ListKindNames();
    static const QnOptionList& SyntaxNames();
    static const QnOptionList& AccessNames();

private:
    std::vector<std::unique_ptr<QnSNMPVar>> vars_;
    std::vector<std::unique_ptr<QnOptionList>> ownedOptions_;
};

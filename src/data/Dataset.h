#pragma once
// data::Dataset: the in-memory table every screen stands on, in both roles the screens
// give it: the client dataset (TClientDataSet: named indexes, IndexName, a data
// packet) and the ADO dataset (TADODataSet: the Sort text, loaded from a recordset).
//
// Storage is columnar: each Field keeps one typed vector, texts in a byte arena, and a
// null mask. Rows keep their storage row number for life. What the cursor walks is
// the view: the storage rows that pass the filter, in the active order. Sorting and
// filtering build a new view (a vector of row numbers) and never move rows.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"
#include "data/DataSource.h"
#include "data/Field.h"
#include "data/Filter.h"
#include "data/Sort.h"

namespace data {

enum class DatasetRole { ClientDataSet, AdoDataSet };

enum class DataSetState { Inactive, Browse, Edit, Insert };

// Change-log status of a storage row, as a data packet records it.
enum class RowStatus : std::uint8_t { Unmodified, Modified, Inserted, Deleted };

struct LocateOptions {
  bool caseInsensitive = false;
  bool partialKey = false;  // a text key matches the start of the field's text
};

// A place to come back to: the storage row of a record.
struct Bookmark {
  std::uint32_t row = UINT32_MAX;
  bool Valid() const { return row != UINT32_MAX; }
  friend bool operator==(Bookmark, Bookmark) = default;
};

class Dataset {
 public:
  explicit Dataset(DatasetRole role = DatasetRole::ClientDataSet, std::string name = {});
  ~Dataset();
  Dataset(const Dataset&) = delete;
  Dataset& operator=(const Dataset&) = delete;

  DatasetRole Role() const { return role_; }
  const char* ClassName() const;  // "TClientDataSet" or "TADODataSet"
  const std::string& Name() const { return name_; }

  // ---- Fields ---------------------------------------------------------------
  // Adds a field (FieldDefs.Add); only while inactive. Size is the text width.
  Field& AddField(std::string name, FieldType type, int size = 0);
  // Removes every field; only while inactive.
  void ClearFields();
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  Field& Fields(int index) const;  // raises DatasetError when out of range
  Field* FindField(std::string_view name) const;  // case-insensitive, nullptr if none
  Field& FieldByName(std::string_view name) const;  // raises "Field 'x' not found"
  // The fields of a list "a;b" in that order; raises when one is missing.
  std::vector<Field*> GetFieldList(std::string_view names) const;

  // ---- Open and close -------------------------------------------------------
  bool Active() const { return state_ != DataSetState::Inactive; }
  void SetActive(bool active) { active ? Open() : Close(); }
  // Opens with the rows already loaded (none after Close). Needs at least one field.
  void Open();
  // Creates the dataset empty from its fields and opens it (CreateDataSet).
  void CreateDataSet();
  // Closes and discards every row; fields, indexes, filter and sort stay.
  void Close();
  // Deletes every row and stays open.
  void EmptyDataSet();
  DataSetState State() const { return state_; }

  // ---- Cursor ---------------------------------------------------------------
  void First();
  void Last();
  void Next();
  void Prior();
  int MoveBy(int distance);  // returns how far it moved
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  bool IsEmpty() const { return view_.empty() && state_ != DataSetState::Insert; }
  // Position of the current record in the view, from 1; 0 when there is none.
  int RecNo() const;
  void SetRecNo(int recNo);
  // Records in the view (passing the filter); the record being inserted not counted.
  int RecordCount() const { return static_cast<int>(view_.size()); }
  // Finds the first record in view order whose fields "a;b" hold the values (one
  // Variant, or an array with one item per field) and makes it current.
  bool Locate(std::string_view keyFields, const base::Variant& keyValues,
              LocateOptions options = {});
  Bookmark GetBookmark() const;
  void GotoBookmark(Bookmark bookmark);  // raises when the record is not in the view
  bool BookmarkValid(Bookmark bookmark) const;

  // ---- Editing ----------------------------------------------------------------
  void Append();  // a new record after the last
  void Insert();  // a new record before the current one
  void Edit();
  void Post();    // texts are cut to their widths; the record takes its sorted place
  void Cancel();
  void Delete();
  // Posts pending changes if any, otherwise cancels the edit (before every move).
  void CheckBrowseMode();
  bool Modified() const { return modified_; }

  // ---- Controls -------------------------------------------------------------
  // Suspends observer notifications; nests. Events such as AfterScroll still fire.
  void DisableControls();
  // Ends one suspension; the last one tells each observer once what happened.
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }
  // Observers (data sources, mostly) are not owned: one removes itself before it
  // goes; those left when the dataset goes are told DataSetDestroying.
  void AddObserver(DataObserver* observer);
  void RemoveObserver(DataObserver* observer);

  // ---- Events -----------------------------------------------------------------
  using Event = std::function<void(Dataset&)>;
  Event AfterOpen, BeforeClose, AfterClose;
  Event BeforeScroll, AfterScroll;
  Event BeforeInsert, AfterInsert, OnNewRecord;
  Event BeforeEdit, AfterEdit;
  Event BeforePost, AfterPost;
  Event BeforeCancel, AfterCancel;
  Event BeforeDelete, AfterDelete;

  // ---- Filter -----------------------------------------------------------------
  const std::string& Filter() const { return filterText_; }
  // Sets the filter text; when filtering is on it is applied at once and a text that
  // does not parse raises FilterError, leaving text and view unchanged.
  void SetFilter(std::string text);
  bool Filtered() const { return filtered_; }
  // Switches filtering; switching on parses the text (FilterError leaves it off).
  // Switching on or off, like a new filter text, moves to the first record.
  void SetFiltered(bool filtered);
  const FilterOptions& GetFilterOptions() const { return filterOptions_; }
  void SetFilterOptions(FilterOptions options);
  FilterDialect Dialect() const;

  // ---- Order: client dataset --------------------------------------------------
  const std::vector<IndexDef>& IndexDefs() const { return indexDefs_; }
  void UpdateIndexDefs() {}  // IndexDefs.Update: the definitions are always current
  // Adds a named index (the platform's AddIndex); raises for a duplicate name.
  void AddIndex(std::string name, std::string fields, unsigned options = 0,
                std::string descFields = {}, std::string caseInsFields = {},
                int groupingLevel = 0);
  // Deletes a named index; deleting the active one returns to the natural order.
  void DeleteIndex(std::string_view name);
  int IndexOf(std::string_view name) const;  // -1 when missing
  const std::string& IndexName() const { return indexName_; }
  // Orders by a named index; "" is the natural order. Keeps the current record.
  void SetIndexName(std::string name);
  const std::string& IndexFieldNames() const { return indexFieldNames_; }
  // Orders ascending by the fields "a;b"; "" is the natural order.
  void SetIndexFieldNames(std::string names);

  // ---- Order: ADO dataset -------------------------------------------------------
  const std::string& Sort() const { return sortText_; }
  // Orders by a sort text "f_a ASC,f_b DESC"; "" is the natural order.
  void SetSort(std::string text);

  // The keys of the active order (empty: natural order).
  const std::vector<SortKey>& SortKeys() const { return sortKeys_; }

  // ---- Rows ---------------------------------------------------------------
  // Storage row of a view position (0-based); the view is what RecNo walks.
  std::uint32_t RowAt(int position) const { return view_[static_cast<std::size_t>(position)]; }
  std::span<const std::uint32_t> ViewRows() const { return view_; }
  // Every live row in natural (insertion) order, regardless of filter and index.
  std::vector<std::uint32_t> AllRows() const;
  // Storage row of the current record; nullopt when there is none (or inserting).
  std::optional<std::uint32_t> CurrentRow() const;
  RowStatus StatusAt(std::uint32_t row) const { return status_[row]; }
  // Rows deleted since the last MergeChangeLog that existed before it (for packets).
  std::vector<std::uint32_t> DeletedRows() const;
  // Forgets the change log: every live row becomes Unmodified.
  void MergeChangeLog();
  std::size_t MemoryBytes() const;  // storage of rows and view, for benchmarks

  // ---- Bulk loading -----------------------------------------------------------
  // Replaces the rows: BeginLoad closes an open dataset (as a new data packet does)
  // and clears it, AddRow gives a new storage row with every field null, the
  // Field::Set...At writers fill it without events, EndLoad opens, builds the view
  // and goes to the first record (observers hear ActiveChanged, AfterOpen and
  // AfterScroll fire). Loaded rows are Unmodified.
  void BeginLoad(std::size_t expectedRows = 0, std::size_t expectedTextBytes = 0);
  std::uint32_t AddRow();
  void EndLoad();

  // ---- For Field ----------------------------------------------------------------
  bool Editing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }
  const base::Variant* BufferedValue(int fieldIndex) const;
  void SetBufferedValue(const Field& field, base::Variant value);
  void NotifyLayoutChanged();

 private:
  // Notifications, held back while controls are disabled.
  void NotifyActive(bool active);
  void NotifyDataSetChanged();
  void NotifyScrolled(int distance);
  void NotifyRecordChanged(const Field* field);
  void NotifyStateChanged();
  template <class Call>
  void Tell(Call call);

  void Fire(const Event& event) {
    if (event) event(*this);
  }
  void CheckActive() const;
  void CheckRole(DatasetRole role, const char* operation) const;
  void Activate();
  void SetState(DataSetState state);
  void BeginNewRecord(bool append);
  void WriteBuffer(std::uint32_t row);
  void PlaceInView(std::uint32_t row, int preferred);
  bool FitsAt(std::uint32_t row, int position) const;
  int PositionOf(std::uint32_t row) const;  // in the view, -1 when not there
  void ScrollTo(int position, bool bof, bool eof);

  // Order and view.
  std::vector<SortKey> KeysFromSettings() const;
  std::vector<SortKey> KeysOfIndex(const IndexDef& index) const;
  std::vector<SortKey> KeysOfFieldNames(std::string_view names) const;
  void ApplyOrder(std::vector<SortKey> keys);
  // Changes the order settings and applies them; when their keys cannot be built the
  // earlier settings stay and the error goes on.
  void ChangeOrder(const std::function<void()>& change);
  void ApplyFilterChange();
  std::unique_ptr<FilterProgram> CompileFilter(const std::string& text) const;
  void RebuildView(bool keepCurrent);
  void CompactOrder();
  void ResetStorage();

  DatasetRole role_;
  std::string name_;
  std::vector<std::unique_ptr<Field>> fields_;
  DataSetState state_ = DataSetState::Inactive;

  std::uint32_t rowCount_ = 0;          // storage rows, deleted ones included
  std::vector<RowStatus> status_;       // per storage row
  std::vector<std::uint32_t> order_;    // natural order; may hold deleted rows
  std::size_t deletedInOrder_ = 0;
  std::vector<std::uint32_t> deletedLog_;  // deleted rows that existed before the change log
  std::vector<std::uint32_t> view_;     // filtered, ordered rows the cursor walks
  int cursor_ = -1;                     // position in view_, -1 when empty
  bool bof_ = true;
  bool eof_ = true;
  bool loading_ = false;
  std::size_t loadCapacity_ = 0;        // rows the columns hold while loading

  // Edit buffer: one value per field while in Edit or Insert state.
  std::vector<base::Variant> buffer_;
  bool modified_ = false;
  int insertPosition_ = 0;              // view position of the record being inserted
  bool insertAppends_ = false;

  std::string filterText_;
  bool filtered_ = false;
  FilterOptions filterOptions_;
  std::unique_ptr<FilterProgram> filter_;  // when filtering is on and the text not blank

  std::vector<IndexDef> indexDefs_;
  std::string indexName_;
  std::string indexFieldNames_;
  std::string sortText_;
  std::vector<SortKey> sortKeys_;

  int disableCount_ = 0;
  bool pendingChange_ = false;
  bool activeWhenDisabled_ = false;
  std::vector<DataObserver*> observers_;
};

}  // namespace data

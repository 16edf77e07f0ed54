#pragma once

#include "core/window_model.h"
#include "views/export_writers.h"

namespace veltrix::bench {

// A row sink that writes the rows as TSV the moment they are made, as veltrix-list does.
struct StreamedTsv : RowSink {
  explicit StreamedTsv(const TextSink& write) : writer(TableFormat::Tsv, write) {}
  void BeginRows(const WindowModel& window) override { writer.Header(window.columns); }
  void Row(const std::string_view* cells, size_t count, const EventRecord&) override {
    writer.Row(cells, count);
  }
  void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                        std::string_view plain, const EventRecord&) override {
    writer.RowWithPlainCell(cells, count, place, plain);
  }
  TableTextWriter writer;
};

}  // namespace veltrix::bench

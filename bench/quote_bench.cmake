# Prices a million order codes from a file with lumor-quote's reader and writers.
add_executable(quote_bench ${CMAKE_CURRENT_LIST_DIR}/quote_bench.cpp)
target_link_libraries(quote_bench PRIVATE lumor_quote lumor_platform benchmark::benchmark_main
                                          lumor_warnings)

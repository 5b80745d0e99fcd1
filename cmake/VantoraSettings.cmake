# One interface target that every library, program, test and benchmark links:
# language level, warnings, Qt safety defines and the optional instrumentation.
add_library(vantora_settings INTERFACE)
target_compile_features(vantora_settings INTERFACE cxx_std_20)
target_compile_options(vantora_settings INTERFACE -Wall -Wextra)
target_compile_definitions(vantora_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS)

if(VANTORA_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(vantora_settings INTERFACE ${_san})
  target_link_options(vantora_settings INTERFACE ${_san})
endif()

if(VANTORA_COVERAGE)
  target_compile_options(vantora_settings INTERFACE --coverage)
  target_link_options(vantora_settings INTERFACE --coverage)
endif()

# Builds the Debian package from the build folder, unpacks it into a scratch folder and starts
# the unpacked program there on the offscreen platform: it must find its data folder where the
# package put it, with nothing missing. Also checks the package's dependencies and its AppStream
# record. Arguments: -DBUILD=<build folder> -DCPACK=<cpack> -DWORK=<scratch folder>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run("cpack" ${CPACK} -G DEB -B ${WORK}/out --config ${BUILD}/CPackConfig.cmake)
file(GLOB debs ${WORK}/out/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()

# Depends: the libraries from dpkg-shlibdeps, and what the program only opens at run time.
run("dpkg-deb -f" dpkg-deb -f ${debs} Depends)
foreach(needed libqt6widgets6 libqt6svg6 libfluidsynth3 libc6 qt6-qpa-plugins fluid-soundfont-gm
        fonts-noto-cjk)
  if(NOT out MATCHES "(^|[ ,|])${needed}([ ,(]|$)")
    message(FATAL_ERROR "Depends lacks ${needed}: ${out}")
  endif()
endforeach()

run("dpkg-deb -x" dpkg-deb -x ${debs} ${WORK}/root)
set(root ${WORK}/root/usr)
foreach(f bin/gindamaya97 share/gindamaya97/pictures/title.svg share/gindamaya97/main.mid
        share/gindamaya97/help/index.html share/applications/gindamaya97.desktop
        share/icons/hicolor/scalable/apps/gindamaya97.svg
        share/icons/hicolor/48x48/apps/gindamaya97.png
        share/icons/hicolor/256x256/apps/gindamaya97.png
        share/metainfo/org.gindamaya97.gindamaya97.metainfo.xml)
  if(NOT EXISTS ${root}/${f})
    message(FATAL_ERROR "the package lacks /usr/${f}")
  endif()
endforeach()

run("appstreamcli validate" appstreamcli validate --no-net
    ${root}/share/metainfo/org.gindamaya97.gindamaya97.metainfo.xml)

# The unpacked program, its data found beside it as once installed: a home of its own, no
# GINDAMAYA97_DATA pointing elsewhere.
run("the unpacked program"
    ${CMAKE_COMMAND} -E env --unset=GINDAMAYA97_DATA QT_QPA_PLATFORM=offscreen
    HOME=${WORK}/home XDG_CONFIG_HOME=${WORK}/home/.config GINDAMAYA97_SELF_CHECK=1
    ${root}/bin/gindamaya97)
if(NOT err MATCHES "self-check: data folder ${root}/share/gindamaya97\n")
  message(FATAL_ERROR "the program did not use the unpacked data folder:\n${err}")
endif()
if(NOT err MATCHES "self-check: ok")
  message(FATAL_ERROR "the program's self-check failed:\n${err}")
endif()
file(REMOVE_RECURSE ${WORK})

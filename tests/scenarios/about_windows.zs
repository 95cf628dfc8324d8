# The menu "O PROGRAMIE": "Informacja" shows the About window, "Opis" the
# description window; both only hide when closed.
click START.st
menu INFO1
expect AboutBox.visible true
expect active AboutBox
menu INFO1
expect active AboutBox
expect AboutBox.OKButton.caption "OK"
expect AboutBox.Version.caption "Version : 3.0"
click AboutBox.OKButton
expect AboutBox.visible false
expect active PUL

menu Opis1
expect op.visible true
expect active op
expect op.Button1.caption "ZAMKNIJ"
expect op.Memo1.caption "Zmiany w obsłudze odbiegające od normalnej obsługi urządzeń:\n\n1.W przypadku wyjazdu na Sz D przycisk KoY można użyć tylko po uprzednim użyciu \nprzycisku dKoY – obsługa niezgodna z faktycznym użyciem przycisku w czynnych \nurządzeniach (zastawka bloku Ko zwalnia natychmiast).\n\n2. Wyjazd ze stacji \"B\" można symulować tylko poprzez użycie przycisku dPoV.\n\n3. Jazda na sygnał \"Sz\" jest możliwa tylko na semaforze \"G\" po uprzedniu \nutwierdzeniu drogi przebiegu, oraz na semaforsze \"D\" jeżeli występuje zajętość ITD ( \nsymulacja pociągu) \n\n4. Umożliwiono wjazd na semafor \"G\" baz obsługi blokady. \nUWAGA !!!. Spotyka się półki Eap na których semafor wjazdowy jest uzależniony od \nblokady liniowej !!!\n\n5. Zajętości odcinka izolowanego można usunąć za pomocą symulacji bez względu na to \nczy uprzednio na tym odcinku znajdował się tabor."
click op.Button1
expect op.visible false
expect active PUL

# Closing the About window from its title bar hides it as well.
menu INFO1
close AboutBox
expect AboutBox.visible false
expect active PUL
